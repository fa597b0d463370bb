// Owning wrappers for the Automation value types: BSTR and VARIANT.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string_view>
#include <utility>

namespace trelvane::win {

class unique_bstr {
 public:
  unique_bstr() noexcept = default;
  explicit unique_bstr(BSTR value) noexcept : value_(value) {}
  unique_bstr(const unique_bstr&) = delete;
  unique_bstr& operator=(const unique_bstr&) = delete;
  unique_bstr(unique_bstr&& other) noexcept : value_(other.release()) {}
  unique_bstr& operator=(unique_bstr&& other) noexcept {
    if (this != &other)
      reset(other.release());
    return *this;
  }
  ~unique_bstr() { reset(); }

  BSTR get() const noexcept { return value_; }
  void reset(BSTR value = nullptr) noexcept { ::SysFreeString(std::exchange(value_, value)); }
  [[nodiscard]] BSTR release() noexcept { return std::exchange(value_, nullptr); }
  BSTR* put() noexcept {
    reset();
    return &value_;
  }

  // The text, embedded NULs included; a null BSTR is the empty string.
  std::wstring_view view() const noexcept {
    return value_ ? std::wstring_view(value_, ::SysStringLen(value_)) : std::wstring_view();
  }

 private:
  BSTR value_ = nullptr;
};

// A new BSTR holding `text`; throws std::bad_alloc when there is no memory for it.
unique_bstr MakeBstr(std::wstring_view text);

class unique_variant {
 public:
  unique_variant() noexcept { ::VariantInit(&value_); }
  unique_variant(const unique_variant&) = delete;
  unique_variant& operator=(const unique_variant&) = delete;
  // A VARIANT is plain data: moving hands over what it owns and leaves the source empty.
  unique_variant(unique_variant&& other) noexcept : value_(other.value_) {
    ::VariantInit(&other.value_);
  }
  unique_variant& operator=(unique_variant&& other) noexcept {
    if (this != &other) {
      ::VariantClear(&value_);
      value_ = other.value_;
      ::VariantInit(&other.value_);
    }
    return *this;
  }
  ~unique_variant() { ::VariantClear(&value_); }

  VARIANT* get() noexcept { return &value_; }
  const VARIANT* get() const noexcept { return &value_; }
  VARTYPE type() const noexcept { return V_VT(&value_); }
  void reset() noexcept {
    ::VariantClear(&value_);
    ::VariantInit(&value_);
  }
  // For out parameters: clears what is held first.
  VARIANT* put() noexcept {
    reset();
    return &value_;
  }

 private:
  VARIANT value_;
};

}  // namespace trelvane::win
