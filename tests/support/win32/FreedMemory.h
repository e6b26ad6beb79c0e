#pragma once
// Use after free made visible where no sanitizer runs. While a TFreedMemoryGuard lives,
// every block the program allocates gets pages of its own; when such a block is freed
// (then or later) its pages become inaccessible and are never handed out again, so the
// first read or write through a pointer still kept to it stops the program at once with
// "Use of freed memory" and the address. A test program that uses it links
// vq_test_freed_memory, which puts the program's operator new and delete in place of the
// library's (plain malloc and free for blocks allocated while no guard lives).

class TFreedMemoryGuard {
public:
  TFreedMemoryGuard();
  ~TFreedMemoryGuard();
  TFreedMemoryGuard(const TFreedMemoryGuard&) = delete;
  TFreedMemoryGuard& operator=(const TFreedMemoryGuard&) = delete;

  // Whether Memory lies in a block allocated under a guard and freed since.
  static bool Freed(const void* Memory);
  // Whether a block allocated under a guard found no room in the guard's pages (and so
  // was not watched).
  static bool RanOut();
};
