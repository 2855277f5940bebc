#include "mainwindow/mainwindow.h"

#include "platform/simplecombo.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "storage/record.h"

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
    Text1 = named(new TextBox(client), QStringLiteral("Text1"));
    twips::place(Text1, 4200, 6240, 735, 285);
    for (QGroupBox* box : {Frame1, Frame2, Frame3}) {
        box->lower();
    }
    buildTabOrder();
}

void MainWindow::buildToolbar(QWidget* client)
{
    Frame3 = frame(client, "Frame3");
    twips::place(Frame3, 70, -50, 7230, 480);
    sav = pictureButton(client, "sav", QStringLiteral(":/icons/save.svg"),
                        QStringLiteral("Save the existing record"));
    twips::place(sav, 140, 90, 360, 315);
    del = pictureButton(client, "del", QStringLiteral(":/icons/delete.svg"),
                        QStringLiteral("Delete a record "));
    twips::place(del, 490, 80, 360, 315);
    dial = pictureButton(client, "dial", QStringLiteral(":/icons/dial.svg"),
                         QStringLiteral("Call selected phone number"));
    twips::place(dial, 850, 80, 360, 315);
    clr = pictureButton(client, "clr", QStringLiteral(":/icons/clear.svg"),
                        QStringLiteral("Clear all text boxs"));
    twips::place(clr, 1220, 90, 360, 315);
    Command2 = pictureButton(client, "Command2", QStringLiteral(":/icons/print.svg"),
                             QStringLiteral("Print phone book"));
    twips::place(Command2, 1750, 70, 360, 315);
}

void MainWindow::buildRecordFields(QWidget* client)
{
    Frame1 = frame(client, "Frame1");
    twips::place(Frame1, 70, 360, 4455, 3375);
    Label1 = label(client, "Label1", QStringLiteral("Name "), true);
    twips::place(Label1, 175, 610, 735, 220);
    Label6 = label(client, "Label6", QStringLiteral("Email"), true);
    twips::place(Label6, 170, 1200, 735, 255);
    Label8 = label(client, "Label8", QStringLiteral("Address"), true);
    twips::place(Label8, 170, 1680, 855, 255);
    Label5 = label(client, "Label5", QStringLiteral("Comment"), true);
    twips::place(Label5, 170, 2280, 1215, 255);
    Label3 = label(client, "Label3", QStringLiteral("Numbers"), true);
    twips::place(Label3, 170, 3240, 855, 255);

    const int tops[] = {600, 1140, 1635};
    for (int i = 0; i < 3; ++i) {
        Text.line[size_t(i)] = named(new TextBox(client), QStringLiteral("Text%1").arg(i));
        twips::place(Text.line[size_t(i)], 1150, tops[i], 3135, 285);
    }
    Text.comment = named(new TextArea(client), QStringLiteral("Text3"));
    twips::place(Text.comment, 1148, 2160, 3135, 735);

    Combo3 = named(new QComboBox(client), QStringLiteral("Combo3"));
    Combo3->setEditable(true);
    Combo3->setInsertPolicy(QComboBox::NoInsert);
    Combo3->addItems(numberTypes());
    Combo3->setCurrentIndex(0);
    Combo3->setToolTip(QStringLiteral("Select type of the number"));
    twips::place(Combo3, 1150, 3240, 1215, 315);

    phones = named(new QComboBox(client), QStringLiteral("phones"));
    phones->setEditable(true);
    phones->setInsertPolicy(QComboBox::NoInsert);
    phones->setToolTip(QStringLiteral("Type number then Press Enter"));
    twips::place(phones, 2710, 3240, 1575, 315);
}

void MainWindow::buildSearchLists(QWidget* client)
{
    Frame2 = frame(client, "Frame2");
    twips::place(Frame2, 4510, 360, 2775, 3375);
    Label4 = label(client, "Label4", QStringLiteral("Type name to search"), false);
    twips::place(Label4, 4750, 615, 1725, 285);
    Combo1 = named(new SimpleCombo(client), QStringLiteral("Combo1"));
    Combo1->setSorted(true);
    Combo1->setTextColor(Qt::blue);
    twips::place(Combo1, 4780, 870, 2205, 1150);
    Label2 = label(client, "Label2", QStringLiteral("Type number to search"), false);
    twips::place(Label2, 4750, 2115, 1695, 285);
    Combo2 = named(new SimpleCombo(client), QStringLiteral("Combo2"));
    Combo2->setSorted(true);
    Combo2->setTextColor(Qt::blue);
    twips::place(Combo2, 4750, 2400, 2205, 1150);
}

void MainWindow::buildTabOrder()
{
    const QList<QWidget*> order = {Combo1, Text[0], Text[1], Text[2], Text[3], Combo3, phones,
                                   Combo2, Text1,   del,     sav,     dial,    clr,    Command2};
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

QWidget* TextBoxes::operator[](int index) const
{
    if (index == 3) {
        return comment;
    }
    return line.at(size_t(index));
}

QString TextBoxes::text(int index) const
{
    return index == 3 ? comment->text() : line.at(size_t(index))->text();
}

void TextBoxes::setText(int index, const QString& text) const
{
    if (index == 3) {
        comment->setText(text);
    } else {
        line.at(size_t(index))->setText(text);
    }
}

bool TextBoxes::dataChanged(int index) const
{
    return index == 3 ? comment->dataChanged() : line.at(size_t(index))->dataChanged();
}

void TextBoxes::setDataChanged(int index, bool changed) const
{
    if (index == 3) {
        comment->setDataChanged(changed);
    } else {
        line.at(size_t(index))->setDataChanged(changed);
    }
}

} // namespace vennor
