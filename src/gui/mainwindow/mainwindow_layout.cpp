// SPDX-FileCopyrightText: 2026 The Vennor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/mainwindow/mainwindow.h"

#include "core/record.h"
#include "gui/mainwindow/windowplacement.h"
#include "widgets/accessiblename.h"
#include "widgets/simplecombo.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"
#include "widgets/twipslayout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace vennor {
namespace {

QGroupBox* frame(QWidget* parent, const char* name)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QPushButton* pictureButton(QWidget* parent, const char* name, const QString& icon,
                           const QString& tip)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(icon));
    // The buttons grow with the font; so do their pictures.
    button->setIconSize(QSize(16, 16) * twips::fontScale());
    button->setToolTip(tip);
    setAccessibleNameOf(button, tip); // a screen reader has no picture to describe
    button->setAutoDefault(false);
    return button;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, bool fieldFont)
{
    auto* text = new QLabel(caption, parent);
    text->setObjectName(QLatin1String(name));
    if (fieldFont) {
        text->setFont(twips::scaledFont(QFont(QStringLiteral("Verdana"), 9)));
    }
    return text;
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// Growing, the record frame and the search frame share the extra width as they share the
// form's: the record frame's edge moves by this part of it.
constexpr double kRecordShare = 4455.0 / (4455.0 + 2775.0);

// In the record frame: fields widen with it; the comment takes the extra height, so the number
// boxes below it move down. In the search frame the two lists share the extra height.
constexpr Anchors kFixed{};
constexpr Anchors kRecordFrame{0, kRecordShare, 0, 1};
constexpr Anchors kRecordField{0, kRecordShare, 0, 0};
constexpr Anchors kComment{0, kRecordShare, 0, 1};
constexpr Anchors kBelowComment{0, 0, 1, 1};
constexpr Anchors kNumberList{0, kRecordShare, 1, 1};
constexpr Anchors kSearchFrame{kRecordShare, 1, 0, 1};
constexpr Anchors kNameSearchLabel{kRecordShare, kRecordShare, 0, 0};
constexpr Anchors kNameSearch{kRecordShare, 1, 0, 0.5};
constexpr Anchors kNumberSearchLabel{kRecordShare, kRecordShare, 0.5, 0.5};
constexpr Anchors kNumberSearch{kRecordShare, 1, 0.5, 1};

} // namespace

void MainWindow::buildControls(QWidget* client)
{
    auto* layout = new TwipsLayout(client, {7365, 3825});
    buildToolbar(*layout);
    buildRecordFields(*layout);
    buildSearchLists(*layout);
    spareBox_ = named(new TextBox(client), QStringLiteral("Text1"));
    layout->place(spareBox_, {4200, 6240, 735, 285}, kBelowComment);
    for (QGroupBox* box : {recordFrame_, searchFrame_, toolbarFrame_}) {
        box->lower();
    }
    const std::pair<QWidget*, QString> spokenNames[] = {
        {fields_[0], nameLabel_->text()},        {fields_[1], emailLabel_->text()},
        {fields_[2], addressLabel_->text()},     {fields_[3], commentLabel_->text()},
        {numberType_, tr("Number type")},        {numbers_, numbersLabel_->text()},
        {nameSearch_, nameSearchLabel_->text()}, {numberSearch_, numberSearchLabel_->text()},
        {spareBox_, tr("Scratch field")}};
    for (const auto& [control, name] : spokenNames) {
        setAccessibleNameOf(control, name);
    }
    buildTabOrder();
}

void MainWindow::buildToolbar(TwipsLayout& layout)
{
    QWidget* client = layout.parentWidget();
    toolbarFrame_ = frame(client, "Frame3");
    layout.place(toolbarFrame_, {70, -50, 7230, 480}, {0, 1, 0, 0});
    saveButton_ = pictureButton(client, "sav", QStringLiteral(":/icons/save.svg"),
                                tr("Save the existing record"));
    layout.place(saveButton_, {140, 90, 360, 315}, kFixed);
    deleteButton_ =
        pictureButton(client, "del", QStringLiteral(":/icons/delete.svg"), tr("Delete a record "));
    layout.place(deleteButton_, {490, 80, 360, 315}, kFixed);
    dialButton_ = pictureButton(client, "dial", QStringLiteral(":/icons/dial.svg"),
                                tr("Call selected phone number"));
    layout.place(dialButton_, {850, 80, 360, 315}, kFixed);
    clearButton_ = pictureButton(client, "clr", QStringLiteral(":/icons/clear.svg"),
                                 tr("Clear all text boxs"));
    layout.place(clearButton_, {1220, 90, 360, 315}, kFixed);
    printButton_ = pictureButton(client, "Command2", QStringLiteral(":/icons/print.svg"),
                                 tr("Print phone book"));
    layout.place(printButton_, {1750, 70, 360, 315}, kFixed);
}

void MainWindow::buildRecordFields(TwipsLayout& layout)
{
    QWidget* client = layout.parentWidget();
    recordFrame_ = frame(client, "Frame1");
    layout.place(recordFrame_, {70, 360, 4455, 3375}, kRecordFrame);
    nameLabel_ = label(client, "Label1", tr("Name "), true);
    layout.place(nameLabel_, {175, 610, 735, 220}, kFixed);
    emailLabel_ = label(client, "Label6", tr("Email"), true);
    layout.place(emailLabel_, {170, 1200, 735, 255}, kFixed);
    addressLabel_ = label(client, "Label8", tr("Address"), true);
    layout.place(addressLabel_, {170, 1680, 855, 255}, kFixed);
    commentLabel_ = label(client, "Label5", tr("Comment"), true);
    layout.place(commentLabel_, {170, 2280, 1215, 255}, kFixed);
    numbersLabel_ = label(client, "Label3", tr("Numbers"), true);
    layout.place(numbersLabel_, {170, 3240, 855, 255}, kBelowComment);

    const int tops[] = {600, 1140, 1635};
    for (int i = 0; i < 3; ++i) {
        fields_.line[size_t(i)] = named(new TextBox(client), QStringLiteral("Text%1").arg(i));
        layout.place(fields_.line[size_t(i)], {1150, tops[i], 3135, 285}, kRecordField);
    }
    fields_.comment = named(new TextArea(client), QStringLiteral("Text3"));
    layout.place(fields_.comment, {1148, 2160, 3135, 735}, kComment);

    numberType_ = named(new QComboBox(client), QStringLiteral("Combo3"));
    numberType_->setEditable(true);
    numberType_->setInsertPolicy(QComboBox::NoInsert);
    numberType_->addItems(shownNumberTypes());
    numberType_->setCurrentIndex(0);
    numberType_->setToolTip(tr("Select type of the number"));
    layout.place(numberType_, {1150, 3240, 1215, 315}, kBelowComment);

    numbers_ = named(new QComboBox(client), QStringLiteral("phones"));
    numbers_->setEditable(true);
    numbers_->setInsertPolicy(QComboBox::NoInsert);
    // Numbers are compared exactly: completing 12 to a listed 123 would add the wrong one.
    numbers_->setCompleter(nullptr);
    numbers_->setToolTip(tr("Type number then Press Enter"));
    layout.place(numbers_, {2710, 3240, 1575, 315}, kNumberList);
}

void MainWindow::buildSearchLists(TwipsLayout& layout)
{
    QWidget* client = layout.parentWidget();
    searchFrame_ = frame(client, "Frame2");
    layout.place(searchFrame_, {4510, 360, 2775, 3375}, kSearchFrame);
    nameSearchLabel_ = label(client, "Label4", tr("Type name to search"), false);
    layout.place(nameSearchLabel_, {4750, 615, 1725, 285}, kNameSearchLabel);
    nameSearch_ = named(new SimpleCombo(client), QStringLiteral("Combo1"));
    nameSearch_->setSorted(true);
    nameSearch_->setAccented(true);
    layout.place(nameSearch_, {4780, 870, 2205, 1150}, kNameSearch);
    numberSearchLabel_ = label(client, "Label2", tr("Type number to search"), false);
    layout.place(numberSearchLabel_, {4750, 2115, 1695, 285}, kNumberSearchLabel);
    numberSearch_ = named(new SimpleCombo(client), QStringLiteral("Combo2"));
    numberSearch_->setSorted(true);
    numberSearch_->setAccented(true);
    layout.place(numberSearch_, {4750, 2400, 2205, 1150}, kNumberSearch);
}

void MainWindow::buildTabOrder()
{
    const QList<QWidget*> order = {nameSearch_,  fields_[0],    fields_[1],  fields_[2],
                                   fields_[3],   numberType_,   numbers_,    numberSearch_,
                                   spareBox_,    deleteButton_, saveButton_, dialButton_,
                                   clearButton_, printButton_};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }
}

void MainWindow::restorePlacement()
{
    const auto placement = placement::remembered();
    if (!placement) {
        centreOnScreen();
        return;
    }
    setGeometry(placement->geometry);
    if (placement->maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

QWidget* RecordFields::operator[](int index) const
{
    if (index == 3) {
        return comment;
    }
    return line.at(size_t(index));
}

QString RecordFields::text(int index) const
{
    return index == 3 ? comment->text() : line.at(size_t(index))->text();
}

void RecordFields::setText(int index, const QString& text) const
{
    if (index == 3) {
        comment->setText(text);
    } else {
        line.at(size_t(index))->setText(text);
    }
}

bool RecordFields::dataChanged(int index) const
{
    return index == 3 ? comment->dataChanged() : line.at(size_t(index))->dataChanged();
}

void RecordFields::setDataChanged(int index, bool changed) const
{
    if (index == 3) {
        comment->setDataChanged(changed);
    } else {
        line.at(size_t(index))->setDataChanged(changed);
    }
}

} // namespace vennor
