#include "support/nextfiledialog.h"

namespace vennor::test {

NextFileDialog::NextFileDialog()
{
    setFileDialogRunner([this](const FileDialogRequest& request) { return respond(request); });
}

NextFileDialog::~NextFileDialog()
{
    setFileDialogRunner({});
}

void NextFileDialog::choose(const QString& path, int filterIndex, std::optional<quint32> flags)
{
    answers_.push_back({path, filterIndex, flags});
}

void NextFileDialog::cancel()
{
    answers_.push_back({});
}

std::optional<FileDialogResult> NextFileDialog::respond(const FileDialogRequest& request)
{
    requests_ << request;
    if (answers_.empty()) {
        ++unexpected_;
        return std::nullopt;
    }
    const Answer answer = answers_.front();
    answers_.pop_front();
    if (!answer.path) {
        return std::nullopt;
    }
    return FileDialogResult{*answer.path,
                            answer.filterIndex > 0 ? answer.filterIndex : request.filterIndex,
                            answer.flags.value_or(request.flags)};
}

} // namespace vennor::test
