// SPDX-License-Identifier: MIT
#include "tools/datediffpage.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls/dblbtn.h"
#include "controls/spinhalf.h"

namespace {

const QString kInclusive = QStringLiteral("inklusiv");
const QString kExclusive = QStringLiteral("exklusiv");

}  // namespace

TDateDiffPage::TDateDiffPage(QWidget* parent) : TBeamPage(parent) {
  setObjectName("DateDiffPage");
  const auto toggle = [this](const char* name, const QString& text, int left,
                             const QString& spoken) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    edit->setAccessibleName(spoken);
    edit->setReadOnly(true);
    edit->setGeometry(left, 4, 60, 20);
    auto* button = new TDblBtn(this);
    button->setObjectName(QStringLiteral("%1_Btn").arg(name));
    button->SetEditHeight(20);
    button->setGeometry(left + 60, 4, 10, 20);
    for (TSpinHalf* half : {button->Switch1Asc(), button->Switch1Desc()}) {
      half->SetHint(QStringLiteral("Zeitraum ändern"));
      half->setAccessibleName(spoken + QStringLiteral(" umschalten"));
      connect(half, &TSpinHalf::Clicked, this, [this, edit] { Toggle(edit); });
    }
    return edit;
  };
  begin_ = toggle("Edt_Begin", kInclusive, 3, QStringLiteral("Anfangstag"));
  end_ = toggle("Edt_End", kExclusive, 130, QStringLiteral("Endtag"));
  compute_ = new QPushButton(QStringLiteral("berechnen"), this);
  compute_->setObjectName("Btn_Compute");
  compute_->setGeometry(3, 190, 90, 22);
  connect(compute_, &QPushButton::clicked, this, &TDateDiffPage::ComputeRequested);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("MemoBeam");
  memo_->setAccessibleName(QStringLiteral("Zeitdifferenz"));
  memo_->setReadOnly(true);
  // The period's lines are long for the page: they wrap rather than scroll.
  memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font = memo_->font();
  font.setPointSize(7);
  memo_->setFont(font);
  memo_->setGeometry(3, 28, 243, 158);
}

void TDateDiffPage::Refresh(const engine::ChosenDay& /*day*/) {}

void TDateDiffPage::Toggle(QLineEdit* edit) {
  edit->setText(edit->text() == kInclusive ? kExclusive : kInclusive);
  emit ComputeRequested();
}

bool TDateDiffPage::StartInclusive() const {
  return begin_->text().startsWith('i');
}
bool TDateDiffPage::EndInclusive() const {
  return end_->text().startsWith('i');
}

void TDateDiffPage::SetResult(const QString& text) {
  result_ = text;
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  memo_->setPlainText(shown);
  emit TextChanged();
}

QString TDateDiffPage::CopyBody() const {
  return result_;
}

QStringList TDateDiffPage::ResultText() const {
  QStringList lines = result_.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}
