#pragma once
// Event delegates: a bound member function or any callable, comparable and swappable.
//
// Two delegates are equal when they call the same member function on the same object,
// or when one is a copy of the other. Saving a handler, installing another and putting
// the saved one back (as the skinned frame does with the application's message event)
// relies on this.
//
// An event (a delegate whose first argument is its Sender, a TObject*) stays silent once
// its Sender was freed and waits to go (see DispatchScope.h).

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>

class TObject;

namespace DeferredFrees {
extern int PendingCount;
bool SilencesSender(const TObject* Sender);
}  // namespace DeferredFrees

template <class Signature>
class TDelegate;

template <class R, class... Args>
class TDelegate<R(Args...)> {
public:
  TDelegate() = default;
  TDelegate(std::nullptr_t) {}

  // Any callable; equal only to its own copies.
  template <class F,
            class = std::enable_if_t<!std::is_same_v<std::decay_t<F>, TDelegate> &&
                                     std::is_invocable_r_v<R, F&, Args...>>>
  TDelegate(F callable)
      : FThunk(&CallCallable),
        FCallable(std::make_shared<std::function<R(Args...)>>(std::move(callable))) {}

  // A member function bound to its object.
  template <class C, class M>
  static TDelegate Bind(C* object, M method) {
    static_assert(sizeof(M) <= kMethodSize, "member function pointer too large");
    TDelegate d;
    d.FObject = object;
    d.FThunk = &CallMember<C, M>;
    std::memcpy(d.FMethod, &method, sizeof(M));
    return d;
  }

  explicit operator bool() const { return FThunk != nullptr; }

  R operator()(Args... args) const {
    if constexpr (kHasSender)
      if (DeferredFrees::PendingCount != 0 && DeferredFrees::SilencesSender(std::get<0>(std::tie(args...)))) {
        if constexpr (std::is_void_v<R>)
          return;
        else
          return R{};
      }
    return FThunk(*this, std::forward<Args>(args)...);
  }

  bool operator==(const TDelegate& other) const {
    return FThunk == other.FThunk && FObject == other.FObject &&
           FCallable == other.FCallable &&
           std::memcmp(FMethod, other.FMethod, kMethodSize) == 0;
  }
  bool operator==(std::nullptr_t) const { return FThunk == nullptr; }

  // The object a member delegate is bound to (nullptr for other callables).
  void* Object() const { return FObject; }

private:
  static constexpr bool kHasSender = [] {
    if constexpr (sizeof...(Args) == 0)
      return false;
    else
      return std::is_same_v<std::tuple_element_t<0, std::tuple<Args...>>, TObject*>;
  }();
  static constexpr std::size_t kMethodSize = 2 * sizeof(void*) + sizeof(std::ptrdiff_t);
  using Thunk = R (*)(const TDelegate&, Args...);

  template <class C, class M>
  static R CallMember(const TDelegate& d, Args... args) {
    M method;
    std::memcpy(&method, d.FMethod, sizeof(M));
    return (static_cast<C*>(d.FObject)->*method)(std::forward<Args>(args)...);
  }
  static R CallCallable(const TDelegate& d, Args... args) {
    // Held for the call: the callable may free the delegate it runs through (a handler
    // that frees its control frees the control's event with it), and runs to its end.
    const std::shared_ptr<std::function<R(Args...)>> callable = d.FCallable;
    return (*callable)(std::forward<Args>(args)...);
  }

  void* FObject = nullptr;
  Thunk FThunk = nullptr;
  std::shared_ptr<std::function<R(Args...)>> FCallable;
  // Only ever copied with memcpy, so it needs no alignment of its own. (The i686 MinGW
  // headers give std::max_align_t an alignment that depends on include order, which made
  // this class's layout differ between translation units.)
  unsigned char FMethod[kMethodSize] = {};
};

// Binds Object->Method as a delegate: Event(this, &TMyForm::ButtonClick).
template <class C, class B, class R, class... Args>
TDelegate<R(Args...)> Event(C* object, R (B::*method)(Args...)) {
  return TDelegate<R(Args...)>::Bind(static_cast<B*>(object), method);
}

using TNotifyEvent = TDelegate<void(TObject* Sender)>;
