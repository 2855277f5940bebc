// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace vennor::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

// Each test file registers its classes; the shared main runs them all.
bool registerTest(const char* name, TestFactory factory);

} // namespace vennor::test

#define VENNOR_TEST(Class)                                                                         \
    static const bool Class##Registered =                                                          \
        vennor::test::registerTest(#Class, [] { return std::make_unique<Class>(); });
