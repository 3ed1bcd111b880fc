// ZeroedAllocator: an allocator for vectors of plain numbers whose new
// storage is zero without being written. It comes from calloc, which hands
// out large blocks as pages the system has zeroed, touching none of them
// until they are used; and construction without a value leaves the zeros
// as they are. A vector resized from empty therefore costs no pass over its
// memory: a selection sized to every record of a register costs nothing at
// opening, only the words a search writes.
//
// Only for types whose all-zero bytes are the value 0. Growing a vector
// that already holds elements may construct over storage that held others:
// empty it (swap with an empty one) before resizing.
#ifndef VX_ENGINE_UTIL_ZEROED_ALLOCATOR_H_
#define VX_ENGINE_UTIL_ZEROED_ALLOCATOR_H_

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

namespace vx {

template <typename T>
class ZeroedAllocator {
  static_assert(std::is_trivial_v<T>, "ZeroedAllocator is for plain numbers");

 public:
  using value_type = T;

  ZeroedAllocator() = default;
  template <typename U>
  ZeroedAllocator(const ZeroedAllocator<U>&) noexcept {}

  T* allocate(size_t n) {
    void* storage = std::calloc(n, sizeof(T));
    if (storage == nullptr) throw std::bad_alloc();
    return static_cast<T*>(storage);
  }
  void deallocate(T* storage, size_t) noexcept { std::free(storage); }

  // Without a value: the zero calloc left.
  template <typename U>
  void construct(U*) noexcept {}
  template <typename U, typename... Args>
  void construct(U* at, Args&&... args) {
    ::new (static_cast<void*>(at)) U(std::forward<Args>(args)...);
  }

  template <typename U>
  bool operator==(const ZeroedAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace vx

#endif  // VX_ENGINE_UTIL_ZEROED_ALLOCATOR_H_
