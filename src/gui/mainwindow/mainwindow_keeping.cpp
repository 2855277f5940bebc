// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "widgets/textbox.h"

#include <QComboBox>

namespace vennor {
namespace {

// Everything the editor shows and knows of the record on screen.
struct EditorContent
{
    QStringList texts;
    QList<bool> changedMarks;
    QStringList numbers;
    QString numberText;
    QList<int> typeCodes;
    int typeIndex = 0;
    QString typeText;
};

} // namespace

std::function<void()> MainWindow::keepEditor()
{
    EditorContent kept;
    for (int i = 0; i < 4; ++i) {
        kept.texts << fields_.text(i);
        kept.changedMarks << fields_.dataChanged(i);
    }
    kept.numbers = numberEntries();
    kept.numberText = numbers_->currentText();
    kept.typeCodes = state_.typeCodes;
    kept.typeIndex = numberType_->currentIndex();
    kept.typeText = numberType_->currentText();
    return
        [this, kept, fromFile = recordFromFile_, shown = shownName_, chosen = chosenNumberIndex_] {
            for (int i = 0; i < 4; ++i) {
                fields_.setText(i, kept.texts.at(i));
                fields_.setDataChanged(i, kept.changedMarks.at(i));
            }
            numbers_->clear();
            numbers_->addItems(kept.numbers);
            numbers_->setEditText(kept.numberText);
            state_.typeCodes = kept.typeCodes;
            numberType_->setCurrentIndex(kept.typeIndex);
            numberType_->setEditText(kept.typeText);
            recordFromFile_ = fromFile;
            shownName_ = shown;
            chosenNumberIndex_ = chosen;
        };
}

} // namespace vennor
