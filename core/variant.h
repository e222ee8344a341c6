#pragma once

#include <optional>

// A field that starts out empty and later holds a T. Empty reads as T{}: 0 against a number,
// "" when joined to text.
template <typename T>
class Variant
{
public:
    Variant() = default;
    Variant(T value) : m_value(std::move(value)) { }

    bool isEmpty() const { return !m_value.has_value(); }
    T value() const { return m_value.value_or(T{}); }
    operator T() const { return value(); }

private:
    std::optional<T> m_value;
};
