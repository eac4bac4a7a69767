// SPDX-License-Identifier: MIT
#include "tools/isinpage.h"

#include <QFont>
#include <QLineEdit>

#include "controls/fonts.h"
#include "controls/hints.h"
#include "engine/isin.h"
#include "engine/outcome.h"
#include "platform/openurl.h"
#include "tools/pagewidgets.h"

using tools::Q;

TIsinPage::TIsinPage(QWidget* parent) : TBeamPage(parent) {
  setObjectName(QStringLiteral("PageIsin"));
  tools::PreparePage(this);
  QWidget* group = new QWidget(this);
  group->setObjectName(QStringLiteral("Edt_ISIN"));
  group->setGeometry(0, 10, 249, 60);

  wknLabel_ = new TLinkLabel(group);
  wknLabel_->setObjectName(QStringLiteral("Lbl_WKN"));
  wknLabel_->setText(QStringLiteral("WKN"));
  wknLabel_->setToolTip(QStringLiteral("deutsche Wertpapierkennnummer"));
  wknLabel_->SetAddress(QStringLiteral("https://de.wikipedia.org/wiki/WKN"));
  wknLabel_->setGeometry(10, 0, 70, 16);
  isinLabel_ = new TLinkLabel(group);
  isinLabel_->setObjectName(QStringLiteral("Lbl_ISIN"));
  isinLabel_->setText(QStringLiteral("ISIN"));
  isinLabel_->setToolTip(QStringLiteral("International Securities Identification Number"));
  isinLabel_->setGeometry(90, 0, 120, 16);

  const QFont fixed = controls::FixedFieldFont(10, false);
  wkn_ = new QLineEdit(group);
  wkn_->setObjectName(QStringLiteral("Edt_WKN"));
  wkn_->setFont(fixed);
  wkn_->setToolTip(QStringLiteral("deutsche Wertpapierkennnummer\n\r\n\rz.B.: 555750"));
  controls::InstallHintFilter(wkn_);
  wkn_->setGeometry(10, 17, 70, 22);
  connect(wkn_, &QLineEdit::textEdited, this, &TIsinPage::WknEdited);

  isin_ = new TCopyField(group);
  isin_->setObjectName(QStringLiteral("Edt_ISINNr"));
  isin_->setFont(fixed);
  isin_->SetCopyOnDoubleClick(false);
  isin_->setToolTip(
      QStringLiteral("International Securities Identification Number\n\r\n\r"
                     "Doppelclick = Kurs online abfragen"));
  isin_->setGeometry(90, 17, 120, 22);
  connect(isin_, &TCopyField::DoubleClicked, this, [this] {
    if (isin_->text().isEmpty()) return;
    platform::OpenUrl(
        (QString::fromLatin1(kQuoteAddress) + isin_->text() + QString::fromLatin1(kQuoteTail))
            .toStdString());
  });

  check_ = new TCopyField(group);
  check_->setObjectName(QStringLiteral("Edt_Check"));
  check_->SetCopyOnDoubleClick(false);
  QFont bold = controls::FixedFieldFont(10, true);
  check_->setFont(bold);
  QPalette red = check_->palette();
  red.setColor(QPalette::Text, QColor(255, 0, 0));
  check_->setPalette(red);
  check_->setAlignment(Qt::AlignCenter);
  check_->setToolTip(QStringLiteral("Prüfziffer"));
  check_->setAccessibleName(QStringLiteral("Prüfziffer"));
  // The heads above the fields name them for a screen reader.
  wknLabel_->setBuddy(wkn_);
  isinLabel_->setBuddy(isin_);
  check_->setGeometry(214, 17, 25, 22);
  connect(check_, &TCopyField::DoubleClicked, this, &TIsinPage::Clear);
}

void TIsinPage::Refresh(const engine::ChosenDay& /*day*/) {
  // The number is the user's own; the panel's day does not change it.
}

void TIsinPage::WknEdited(const QString& typed) {
  const engine::IsinResult result = engine::IsinOfWkn(typed.toStdString());
  const QString wkn = Q(result.wkn);
  if (wkn_->text() != wkn) wkn_->setText(wkn);
  wkn_->setCursorPosition(static_cast<int>(wkn.size()));
  isin_->setText(engine::Succeeded(result.code) ? Q(result.isin) : QString());
  check_->setText(engine::Succeeded(result.code) ? Q(result.checkDigit) : QString());
  emit TextChanged();
}

void TIsinPage::Clear() {
  wkn_->clear();
  isin_->clear();
  check_->clear();
  emit TextChanged();
}

QString TIsinPage::CopyBody() const {
  return QStringLiteral("WKN: ") + wkn_->text() + QStringLiteral(" = ISIN: ") + isin_->text() +
         QStringLiteral("\r\n");
}
