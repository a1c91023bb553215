#pragma once

namespace tpw {

// Holds a flag at a value for the lifetime of a scope and puts the previous value back at its
// end, so that nested scopes (a destination read inside a reset of the editor) never clear a
// flag an outer scope still relies on.
class FlagGuard {
 public:
  FlagGuard(bool& flag, bool value) : flag_(flag), previous_(flag) { flag_ = value; }
  // Keeps whatever the flag holds now, whatever the scope does to it meanwhile.
  explicit FlagGuard(bool& flag) : FlagGuard(flag, flag) {}
  ~FlagGuard() { flag_ = previous_; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace tpw
