#pragma once

// Owns one reference to a COM object and releases it when it goes out of
// scope, so that every early return lets go of what it obtained.

template <class Interface>
class ComPointer {
public:
    ComPointer() = default;
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    ComPointer(ComPointer&& other) noexcept : pointer_(other.pointer_) { other.pointer_ = nullptr; }
    ComPointer& operator=(ComPointer&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = other.pointer_;
            other.pointer_ = nullptr;
        }
        return *this;
    }
    ~ComPointer() { reset(); }

    // Takes over the one reference an object of the program starts with
    // (see ComObject), so that `new` needs no Release to follow it.
    static ComPointer adopt(Interface* created) {
        ComPointer owner;
        owner.pointer_ = created;
        return owner;
    }
    void reset() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For the calls that hand out a new reference.
    Interface** out() { return &pointer_; }
    void** outVoid() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};
