#include "gui/mainwindow/mainwindow.h"

#include "core/record.h"
#include "widgets/accessiblename.h"
#include "widgets/simplecombo.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"

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
        text->setFont(QFont(QStringLiteral("Verdana"), 9));
    }
    return text;
}

template <typename Widget> Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

void MainWindow::buildControls(QWidget* client)
{
    twips::setClientSize(client, 7365, 3825);
    buildToolbar(client);
    buildRecordFields(client);
    buildSearchLists(client);
    spareBox_ = named(new TextBox(client), QStringLiteral("Text1"));
    twips::place(spareBox_, 4200, 6240, 735, 285);
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

void MainWindow::buildToolbar(QWidget* client)
{
    toolbarFrame_ = frame(client, "Frame3");
    twips::place(toolbarFrame_, 70, -50, 7230, 480);
    saveButton_ = pictureButton(client, "sav", QStringLiteral(":/icons/save.svg"),
                                tr("Save the existing record"));
    twips::place(saveButton_, 140, 90, 360, 315);
    deleteButton_ =
        pictureButton(client, "del", QStringLiteral(":/icons/delete.svg"), tr("Delete a record "));
    twips::place(deleteButton_, 490, 80, 360, 315);
    dialButton_ = pictureButton(client, "dial", QStringLiteral(":/icons/dial.svg"),
                                tr("Call selected phone number"));
    twips::place(dialButton_, 850, 80, 360, 315);
    clearButton_ = pictureButton(client, "clr", QStringLiteral(":/icons/clear.svg"),
                                 tr("Clear all text boxs"));
    twips::place(clearButton_, 1220, 90, 360, 315);
    printButton_ = pictureButton(client, "Command2", QStringLiteral(":/icons/print.svg"),
                                 tr("Print phone book"));
    twips::place(printButton_, 1750, 70, 360, 315);
}

void MainWindow::buildRecordFields(QWidget* client)
{
    recordFrame_ = frame(client, "Frame1");
    twips::place(recordFrame_, 70, 360, 4455, 3375);
    nameLabel_ = label(client, "Label1", tr("Name "), true);
    twips::place(nameLabel_, 175, 610, 735, 220);
    emailLabel_ = label(client, "Label6", tr("Email"), true);
    twips::place(emailLabel_, 170, 1200, 735, 255);
    addressLabel_ = label(client, "Label8", tr("Address"), true);
    twips::place(addressLabel_, 170, 1680, 855, 255);
    commentLabel_ = label(client, "Label5", tr("Comment"), true);
    twips::place(commentLabel_, 170, 2280, 1215, 255);
    numbersLabel_ = label(client, "Label3", tr("Numbers"), true);
    twips::place(numbersLabel_, 170, 3240, 855, 255);

    const int tops[] = {600, 1140, 1635};
    for (int i = 0; i < 3; ++i) {
        fields_.line[size_t(i)] = named(new TextBox(client), QStringLiteral("Text%1").arg(i));
        twips::place(fields_.line[size_t(i)], 1150, tops[i], 3135, 285);
    }
    fields_.comment = named(new TextArea(client), QStringLiteral("Text3"));
    twips::place(fields_.comment, 1148, 2160, 3135, 735);

    numberType_ = named(new QComboBox(client), QStringLiteral("Combo3"));
    numberType_->setEditable(true);
    numberType_->setInsertPolicy(QComboBox::NoInsert);
    numberType_->addItems(shownNumberTypes());
    numberType_->setCurrentIndex(0);
    numberType_->setToolTip(tr("Select type of the number"));
    twips::place(numberType_, 1150, 3240, 1215, 315);

    numbers_ = named(new QComboBox(client), QStringLiteral("phones"));
    numbers_->setEditable(true);
    numbers_->setInsertPolicy(QComboBox::NoInsert);
    // Numbers are compared exactly: completing 12 to a listed 123 would add the wrong one.
    numbers_->setCompleter(nullptr);
    numbers_->setToolTip(tr("Type number then Press Enter"));
    twips::place(numbers_, 2710, 3240, 1575, 315);
}

void MainWindow::buildSearchLists(QWidget* client)
{
    searchFrame_ = frame(client, "Frame2");
    twips::place(searchFrame_, 4510, 360, 2775, 3375);
    nameSearchLabel_ = label(client, "Label4", tr("Type name to search"), false);
    twips::place(nameSearchLabel_, 4750, 615, 1725, 285);
    nameSearch_ = named(new SimpleCombo(client), QStringLiteral("Combo1"));
    nameSearch_->setSorted(true);
    nameSearch_->setTextColor(Qt::blue);
    twips::place(nameSearch_, 4780, 870, 2205, 1150);
    numberSearchLabel_ = label(client, "Label2", tr("Type number to search"), false);
    twips::place(numberSearchLabel_, 4750, 2115, 1695, 285);
    numberSearch_ = named(new SimpleCombo(client), QStringLiteral("Combo2"));
    numberSearch_->setSorted(true);
    numberSearch_->setTextColor(Qt::blue);
    twips::place(numberSearch_, 4750, 2400, 2205, 1150);
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
