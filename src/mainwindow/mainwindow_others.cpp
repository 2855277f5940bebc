#include "mainwindow/mainwindow.h"

#include "about/aboutbox.h"
#include "about/helpcommands.h"
#include "printing/printselectionwindow.h"
#include "search/advancedsearchwindow.h"

namespace vennor {

void form1::advancedSearchCommand()
{
    advanced::showFor(advancedWindow_, state_, *this, this);
}

void form1::printCommand()
{
    printpb::showFor(printWindow_, state_, *this, this);
}

void form1::helpTopicsCommand()
{
    help::helpTopics(*this);
}

void form1::latestVersionCommand()
{
    help::latestVersion();
}

void form1::mailGroupCommand()
{
    help::mailGroup();
}

// The About box is only hidden by its Ok: the same one is shown again.
void form1::aboutCommand()
{
    if (!aboutBox_) {
        aboutBox_ = new about(this);
    }
    aboutBox_->exec();
}

void form1::closeAboutBox()
{
    delete aboutBox_;
}

} // namespace vennor
