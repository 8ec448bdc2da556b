#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace trivanto {

// The outcome of an operation that can fail: nothing, or the text that tells the user (or a
// log line) why. Every reader and writer of the core returns this or Result<T>, so no failure
// text is ever dropped on the way to the player.
class [[nodiscard]] Status {
public:
    Status() = default;  // success
    static Status success() { return {}; }
    static Status failure(QString error) {
        Status s;
        s.m_error = error.isEmpty() ? QStringLiteral("unknown error") : std::move(error);
        return s;
    }

    bool ok() const { return m_error.isEmpty(); }
    explicit operator bool() const { return ok(); }
    // Empty on success.
    const QString& error() const { return m_error; }

private:
    QString m_error;
};

// A value, or the text of the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}  // NOLINT: a value is a success
    Result(Status failure)
        : m_error(failure.ok() ? QStringLiteral("unknown error") : failure.error()) {}  // NOLINT
    static Result failure(QString error) { return Result(Status::failure(std::move(error))); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error; }
    Status status() const { return ok() ? Status::success() : Status::failure(m_error); }

    // Only on success.
    T& value() & { return *m_value; }
    const T& value() const& { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    T& operator*() & { return *m_value; }
    const T& operator*() const& { return *m_value; }

private:
    std::optional<T> m_value;
    QString m_error;
};

}  // namespace trivanto
