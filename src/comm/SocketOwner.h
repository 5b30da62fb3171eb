#pragma once
// The one owner of a socket descriptor: closes it when replaced or destroyed; -1 is none.
#include <unistd.h>

#include <utility>

class SocketOwner {
 public:
  SocketOwner() = default;
  explicit SocketOwner(int descriptor) : mDescriptor(descriptor) {}
  ~SocketOwner() { Reset(); }
  SocketOwner(SocketOwner&& other) noexcept : mDescriptor(std::exchange(other.mDescriptor, -1)) {}
  SocketOwner& operator=(SocketOwner&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.mDescriptor, -1));
    return *this;
  }
  SocketOwner(const SocketOwner&) = delete;
  SocketOwner& operator=(const SocketOwner&) = delete;

  int Get() const { return mDescriptor; }
  bool IsOpen() const { return mDescriptor >= 0; }
  // Closes the socket held (if any) and takes `descriptor`.
  void Reset(int descriptor = -1) {
    if (mDescriptor >= 0) ::close(mDescriptor);
    mDescriptor = descriptor;
  }

 private:
  int mDescriptor = -1;
};
