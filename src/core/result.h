// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace vennor {

// The outcome of a file step: success, or the reason it failed, worded for the user.
class Status
{
public:
    static Status success() { return Status(); }
    static Status failure(QString reason) { return Status(std::move(reason)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    Status() = default;
    explicit Status(QString reason) : failed_(true), error_(std::move(reason)) {}

    bool failed_ = false;
    QString error_;
};

// A value read from a file, or the reason it could not be read.
template <typename T> class Result
{
public:
    Result(T value) : value_(std::move(value)) {}
    Result(const Status& failed) : error_(failed.error()) {}
    static Result failure(QString reason) { return Result(Status::failure(std::move(reason))); }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    const T* operator->() const { return &*value_; }

private:
    std::optional<T> value_;
    QString error_;
};

} // namespace vennor
