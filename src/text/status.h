// Results of operations on data and files: a value, or an error message that names where
// the problem is (file:line or a byte position).
#ifndef VELIMORA_TEXT_STATUS_H_
#define VELIMORA_TEXT_STATUS_H_

#include <string>
#include <utility>
#include <variant>

namespace velimora {

struct Error {
  std::string message;
};

// A value of T, or an Error.
template <class T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}  // NOLINT: implicit by design
  Result(Error e) : v_(std::move(e)) {}      // NOLINT
  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(v_); }
  const T& value() const { return std::get<0>(v_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const std::string& error() const { return std::get<1>(v_).message; }

 private:
  std::variant<T, Error> v_;
};

// Success, or an Error.
class Status {
 public:
  Status() = default;
  Status(Error e) : error_(std::move(e.message)), failed_(true) {}  // NOLINT
  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return error_; }

 private:
  std::string error_;
  bool failed_ = false;
};

}  // namespace velimora

#endif  // VELIMORA_TEXT_STATUS_H_
