// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/about_box.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/startup_prefs.h"

namespace reventa {

AboutBox::AboutBox(StartupPrefs& prefs, QWidget* parent)
    : QDialog(parent), prefs_(prefs), viewAbout_(prefs.viewAbout()) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Reventa 2024..."));
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);

  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(QStringLiteral(":/reventa/reventa.png"))
                      .scaled(72, 72, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  auto* name = new QLabel(QStringLiteral("<b style='font-size:16pt'>Reventa 2024</b>"), this);
  auto* version = new QLabel(QStringLiteral("Version: ") + VersionText(), this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* blurb = new QLabel(
      tr("Employees' tax, salary packages, vehicle and finance calculators for the 2024 tax "
         "year (1 March 2023 to 29 February 2024)."),
      this);
  blurb->setWordWrap(true);
  check_ = new QCheckBox(QStringLiteral("Do not display this message again on start up"), this);
  check_->setObjectName(QStringLiteral("Check1"));
  check_->setChecked(!viewAbout_);
  connect(check_, &QCheckBox::toggled, this, [this](bool ticked) { viewAbout_ = !ticked; });
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  auto* text = new QVBoxLayout;
  text->addWidget(name);
  text->addWidget(version);
  text->addWidget(blurb);
  top->addLayout(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(8);
  layout->addWidget(check_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  layout->addLayout(buttons);
  setFixedWidth(420);
}

void AboutBox::placeOver(const QWidget& mainWindow) {
  adjustSize();
  const QRect frame = mainWindow.frameGeometry();
  move(frame.left() + (frame.width() - width()) / 2, frame.top() + (frame.height() - height()) / 4);
}

void AboutBox::done(int result) {
  prefs_.setViewAbout(viewAbout_);
  QDialog::done(result);
}

}  // namespace reventa
