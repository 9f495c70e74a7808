#pragma once

// std::expected where the standard library has it (GCC 12). The fuzz build's
// clang 14 cannot compile libstdc++'s <expected> (no conditionally trivial
// special members), so there a small stand-in with the same names and the
// parts of the interface this code uses takes its place.
#include <version>

#if defined(__cpp_lib_expected)
#include <expected>
namespace kv {
using std::expected;
using std::unexpected;
}  // namespace kv
#else
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace kv {

template <class E>
class unexpected {
public:
    constexpr explicit unexpected(E error) : error_(std::move(error)) {}
    constexpr const E& error() const& { return error_; }
    constexpr E& error() & { return error_; }
    constexpr E&& error() && { return std::move(error_); }

private:
    E error_;
};
template <class E>
unexpected(E) -> unexpected<E>;

template <class T, class E>
class expected {
public:
    using value_type = T;
    using error_type = E;

    constexpr expected() : v_(std::in_place_index<0>) {}
    template <class U = T>
        requires(std::is_constructible_v<T, U &&> && !std::is_same_v<std::remove_cvref_t<U>, expected>)
    constexpr expected(U&& value) : v_(std::in_place_index<0>, std::forward<U>(value)) {}
    template <class G>
    constexpr expected(const unexpected<G>& u) : v_(std::in_place_index<1>, u.error()) {}
    template <class G>
    constexpr expected(unexpected<G>&& u) : v_(std::in_place_index<1>, std::move(u).error()) {}

    constexpr bool has_value() const { return v_.index() == 0; }
    constexpr explicit operator bool() const { return has_value(); }
    constexpr T& operator*() & { return std::get<0>(v_); }
    constexpr const T& operator*() const& { return std::get<0>(v_); }
    constexpr T&& operator*() && { return std::get<0>(std::move(v_)); }
    constexpr T* operator->() { return &std::get<0>(v_); }
    constexpr const T* operator->() const { return &std::get<0>(v_); }
    constexpr T& value() & { return std::get<0>(v_); }
    constexpr const T& value() const& { return std::get<0>(v_); }
    constexpr const E& error() const& { return std::get<1>(v_); }
    constexpr E& error() & { return std::get<1>(v_); }
    template <class U>
    constexpr T value_or(U&& fallback) const& {
        return has_value() ? **this : static_cast<T>(std::forward<U>(fallback));
    }
    friend constexpr bool operator==(const expected& a, const expected& b) { return a.v_ == b.v_; }

private:
    std::variant<T, E> v_;
};

template <class E>
class expected<void, E> {
public:
    using value_type = void;
    using error_type = E;

    constexpr expected() = default;
    template <class G>
    constexpr expected(const unexpected<G>& u) : error_(u.error()) {}
    template <class G>
    constexpr expected(unexpected<G>&& u) : error_(std::move(u).error()) {}

    constexpr bool has_value() const { return !error_.has_value(); }
    constexpr explicit operator bool() const { return has_value(); }
    constexpr const E& error() const& { return *error_; }
    constexpr E& error() & { return *error_; }
    friend constexpr bool operator==(const expected& a, const expected& b) { return a.error_ == b.error_; }

private:
    std::optional<E> error_;
};

}  // namespace kv
#endif
