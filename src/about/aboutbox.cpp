#include "about/aboutbox.h"

#include "platform/fonts.h"
#include "platform/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace vennor {

namespace {

QLabel* makeLabel(const QString& text, const char* name, double points, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (points > 0) {
        label->setFont(arialFont(points));
    }
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("About VENNOR"));
    twips::setClientSize(this, 5685, 3345);

    Label1 = makeLabel(QStringLiteral("Vennor 1.4"), "Label1", 13.5, this);
    twips::place(Label1, 1950, 330, 1785, 300);
    Label2 = makeLabel(QStringLiteral("Copyright (C) The Vennor developers"), "Label2", 9, this);
    twips::place(Label2, 1455, 795, 2775, 300);
    Label3 = makeLabel(QString(), "Label3", 9.75, this);
    twips::place(Label3, 1927, 1170, 1830, 300);
    Label4 = makeLabel(QString(), "Label4", 0, this);
    Label4->setWordWrap(true);
    twips::place(Label4, 240, 1680, 5145, 975);

    Command1 = new QPushButton(QStringLiteral("Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    twips::place(Command1, 2280, 2880, 1080, 310);
    // Ok hides the box; so does Esc, through the dialog's own reject.
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load();
}

void AboutBox::Form_Load()
{
    Label4->setText(QStringLiteral(" "));
}

void AboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

} // namespace vennor
