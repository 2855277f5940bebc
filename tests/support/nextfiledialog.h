#pragma once

#include "dialogs/filedialogrunner.h"

#include <QList>
#include <deque>

namespace vennor::test {

// Answers the open and save dialogs while it lives, recording every request. Answers queued
// with choose() or cancel() are used in order; a request with nothing queued is cancelled and
// counted in unexpected().
class NextFileDialog
{
public:
    NextFileDialog();
    ~NextFileDialog();
    NextFileDialog(const NextFileDialog&) = delete;
    NextFileDialog& operator=(const NextFileDialog&) = delete;

    // The user confirms the path; the dialog reports the filter entry and option bits given
    // (the request's own when left out).
    void choose(const QString& path, int filterIndex = 0, std::optional<quint32> flags = {});
    void cancel();

    const FileDialogRequest& last() const { return requests_.last(); }
    int pending() const { return int(answers_.size()); }
    int unexpected() const { return unexpected_; }

private:
    std::optional<FileDialogResult> respond(const FileDialogRequest& request);

    struct Answer
    {
        std::optional<QString> path;
        int filterIndex = 0;
        std::optional<quint32> flags;
    };
    QList<FileDialogRequest> requests_;
    std::deque<Answer> answers_;
    int unexpected_ = 0;
};

} // namespace vennor::test
