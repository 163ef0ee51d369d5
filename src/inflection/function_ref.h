// A non-owning reference to a callable: the sink type of every generator of the inflection
// analysis. It never allocates; the referenced callable must outlive the call it is passed to
// (a lambda written at the call site always does).
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace velimora::inflection {

template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
 public:
  template <class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, FunctionRef> &&
             std::is_invocable_r_v<R, F&, Args...>)
  FunctionRef(F&& f) noexcept  // NOLINT(google-explicit-constructor): used like std::function
      : object_(const_cast<void*>(static_cast<const void*>(std::addressof(f)))),
        call_(&Call<std::remove_reference_t<F>>) {}

  R operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

 private:
  template <class F>
  static R Call(void* object, Args... args) {
    return std::invoke(*static_cast<F*>(object), std::forward<Args>(args)...);
  }

  void* object_;
  R (*call_)(void*, Args...);
};

}  // namespace velimora::inflection
