#pragma once
// Clean-up that runs when a scope ends: TScopeExit always, TScopeFail only when the scope
// is left by an exception. Either takes the place of a catch block that tidies up and
// rethrows.
//
// While an exception is already on its way out, what the clean-up raises is dropped: the
// caller learns of the first failure, and a second exception in flight would end the
// program.

#include <exception>
#include <utility>

namespace ScopeDetail {

template <class Action>
void RunWhileUnwinding(Action& action) noexcept {
  try {
    action();
  } catch (...) {
  }
}

}  // namespace ScopeDetail

template <class Action>
class [[nodiscard]] TScopeExit {
public:
  explicit TScopeExit(Action action) : FAction(std::move(action)) {}
  ~TScopeExit() noexcept(false) {
    if (std::uncaught_exceptions() > FUncaught)
      ScopeDetail::RunWhileUnwinding(FAction);
    else
      FAction();
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

private:
  Action FAction;
  int FUncaught = std::uncaught_exceptions();
};

template <class Action>
class [[nodiscard]] TScopeFail {
public:
  explicit TScopeFail(Action action) : FAction(std::move(action)) {}
  ~TScopeFail() {
    if (std::uncaught_exceptions() > FUncaught) ScopeDetail::RunWhileUnwinding(FAction);
  }
  TScopeFail(const TScopeFail&) = delete;
  TScopeFail& operator=(const TScopeFail&) = delete;

private:
  Action FAction;
  int FUncaught = std::uncaught_exceptions();
};
