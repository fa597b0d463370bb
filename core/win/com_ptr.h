// An owning COM interface pointer: one reference, released when the owner goes, so no path can
// skip a Release.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <utility>

namespace trelvane::win {

template <typename T>
class com_ptr {
 public:
  com_ptr() noexcept = default;
  com_ptr(std::nullptr_t) noexcept {}
  com_ptr(const com_ptr& other) noexcept : ptr_(other.ptr_) {
    if (ptr_)
      ptr_->AddRef();
  }
  com_ptr(com_ptr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  com_ptr& operator=(com_ptr other) noexcept {
    std::swap(ptr_, other.ptr_);
    return *this;
  }
  ~com_ptr() { reset(); }

  // Takes a new reference to `ptr`.
  static com_ptr copy_from(T* ptr) noexcept {
    com_ptr result;
    result.ptr_ = ptr;
    if (ptr)
      ptr->AddRef();
    return result;
  }
  // Adopts the reference the caller owns.
  static com_ptr attach(T* ptr) noexcept {
    com_ptr result;
    result.ptr_ = ptr;
    return result;
  }

  T* get() const noexcept { return ptr_; }
  T* operator->() const noexcept { return ptr_; }
  explicit operator bool() const noexcept { return ptr_ != nullptr; }

  void reset() noexcept {
    if (T* old = std::exchange(ptr_, nullptr))
      old->Release();
  }
  [[nodiscard]] T* detach() noexcept { return std::exchange(ptr_, nullptr); }

  // For out parameters of QueryInterface-like calls.
  T** put() noexcept {
    reset();
    return &ptr_;
  }
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

  // QueryInterface for `iid`, which must be the IID of U.
  template <typename U>
  HRESULT query(REFIID iid, com_ptr<U>& out) const noexcept {
    if (!ptr_)
      return E_POINTER;
    return ptr_->QueryInterface(iid, out.put_void());
  }

 private:
  T* ptr_ = nullptr;
};

}  // namespace trelvane::win
