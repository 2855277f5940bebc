// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "gui/dialogs/filedialogrunner.h"

#include <QList>
#include <QTest>

namespace vennor::test {

// Answers the open and save dialogs while it lives with the answers queued, in order, and
// records every request. A request with no answer left fails the test.
struct NextFileDialog
{
    QList<std::optional<FileDialogResult>> answers; // nullopt: Cancel
    QList<FileDialogRequest> requests;

    NextFileDialog()
    {
        setFileDialogRunner([this](const FileDialogRequest& request) {
            requests << request;
            if (answers.isEmpty()) {
                QTest::qFail("A file dialog nobody expected", __FILE__, __LINE__);
                return std::optional<FileDialogResult>();
            }
            return answers.takeFirst();
        });
    }
    ~NextFileDialog() { setFileDialogRunner({}); }
    NextFileDialog(const NextFileDialog&) = delete;
    NextFileDialog& operator=(const NextFileDialog&) = delete;

    void choose(const QString& path) { answers << FileDialogResult{path}; }
    void cancel() { answers << std::nullopt; }
};

} // namespace vennor::test
