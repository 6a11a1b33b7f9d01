#include "dialogs/CAboutDlg.h"

#include "dialogs/DialogTexts.h"
#include "model/Host.h"
#include "ui/QtText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace zentile {

namespace {

// The version the build was made as, from the project's own version number.
constexpr char kVersion[] = ZENTILE_VERSION;
constexpr char kIconPath[] = ":/dialogs/icons/zentile-64.png";

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ok(nullptr) {
    setWindowTitle(Translate(dialog_text::kAboutTitle));

    auto* icon = new QLabel(this);
    icon->setObjectName("icon");
    icon->setPixmap(QPixmap(kIconPath));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(ToQString(kApplicationTitle), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.4);
    name->setFont(nameFont);

    auto* version = new QLabel(kVersion, this);
    version->setObjectName("version");
    auto* address = new QLabel(dialog_text::kFeedbackAddress, this);
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 5, 1);
    layout->addWidget(name, 0, 1, 1, 2);
    layout->addWidget(new QLabel(Translate(dialog_text::kVersionLabel), this), 1, 1);
    layout->addWidget(version, 1, 2);
    layout->addWidget(new QLabel(Translate(dialog_text::kFeedbackLine), this), 2, 1, 1, 2);
    layout->addWidget(address, 3, 1, 1, 2);
    layout->setRowMinimumHeight(4, 8);
    layout->setColumnStretch(2, 1);
    layout->addWidget(buttons, 5, 0, 1, 3);
}

void ShowAbout(QWidget* parent) {
    CAboutDlg about(parent);
    about.exec();
}

} // namespace zentile
