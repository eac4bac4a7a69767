// SPDX-License-Identifier: MIT
#include "tools/formatpages.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "controls/dateedt.h"
#include "controls/hints.h"
#include "engine/daynumber.h"
#include "tools/pagewidgets.h"

using tools::Q;

namespace {

QFont FieldFont(const QWidget* widget, int pixels) {
  QFont font = widget->font();
  font.setPixelSize(pixels);
  return font;
}

// Where the groups of a page stand: column left and width, top of the label.
struct GroupPlace {
  int left;
  int width;
  int top;
};

constexpr GroupPlace kNumericPlaces[3] = {{2, 80, 1}, {84, 80, 1}, {166, 81, 1}};
constexpr GroupPlace kWrittenPlaces[3] = {{2, 126, 1}, {130, 117, 1}, {130, 117, 103}};

}  // namespace

// ---- Numeric and written-out pages ---------------------------------------------

TGroupFormatPage::TGroupFormatPage(bool written, QWidget* parent)
    : TBeamPage(parent), written_(written) {
  tools::PreparePage(this);
  groups_ = written ? tools::WrittenGroups("") : tools::NumericGroups("");
  const GroupPlace* places = written ? kWrittenPlaces : kNumericPlaces;
  const int pitch = written ? 19 : 20;
  // The written-out dates are long: a size smaller.
  const QFont font = FieldFont(this, written ? 10 : 11);
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    const tools::FormatGroup& group = groups_[g];
    const GroupPlace& place = places[g];
    auto* label = new QLabel(Q(group.caption), this);
    label->setObjectName(QStringLiteral("Lbl_Group%1").arg(g + 1));
    label->setToolTip(Q(group.hint));
    controls::InstallHintFilter(label);
    label->setGeometry(place.left + 2, place.top, place.width, 16);
    int top = place.top + 17;
    for (const tools::FormatField& f : group.fields) {
      auto* field = new TCopyField(this);
      field->setObjectName(Q(f.name));
      field->setToolTip(Q(f.hint));
      // Named by its form, the hint's first line ("DD.MM.YYYY"); the date
      // in that form is its value.
      const std::string form = f.hint.substr(0, f.hint.find_first_of("\r\n"));
      field->setAccessibleName(Q(form.empty() ? f.name.substr(4) : form));
      field->setFont(font);
      field->setGeometry(place.left, top, place.width, pitch - 1);
      if (f.name == "Fmt_DD.MM.YYYY") {
        QPalette info = field->palette();
        info.setColor(QPalette::Base, info.color(QPalette::ToolTipBase));
        info.setColor(QPalette::Text, info.color(QPalette::ToolTipText));
        field->setPalette(info);
      }
      fields_.push_back(field);
      top += pitch;
    }
  }
  if (!written) {
    auto* countries = new TLinkLabel(this);
    countries->setObjectName(QStringLiteral("Lbl_Countries"));
    const QString text = QStringLiteral("Wo werden welche\r\nDatumsformate verwendet?");
    countries->setText(controls::ShownHint(text));
    countries->setProperty("Caption", text);
    countries->setToolTip(QStringLiteral("linke Maustaste = Länderliste "));
    countries->SetAddress(Q(tools::kDateFormatByCountry));
    countries->setWordWrap(true);
    QFont underlined = FieldFont(this, 10);
    underlined.setUnderline(true);
    countries->setFont(underlined);
    countries->setGeometry(166, 140, 83, 60);
    countries->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
}

TNumericFormatPage::TNumericFormatPage(QWidget* parent) : TGroupFormatPage(false, parent) {
  setObjectName(QStringLiteral("PageFormatP7"));
}

TWrittenFormatPage::TWrittenFormatPage(QWidget* parent) : TGroupFormatPage(true, parent) {
  setObjectName(QStringLiteral("PageFormatP8"));
}

void TGroupFormatPage::Refresh(const engine::ChosenDay& day) {
  // The forms are Gregorian.
  const engine::CivilDate date =
      engine::CivilDateOf(day.dayNumber, engine::CalendarKind::Gregorian);
  groups_ = written_ ? tools::WrittenGroups(date) : tools::NumericGroups(date);
  Show();
}

void TGroupFormatPage::Show() {
  std::size_t i = 0;
  for (const tools::FormatGroup& group : groups_) {
    for (const tools::FormatField& f : group.fields) {
      fields_[i]->setText(Q(f.text));
      fields_[i]->setCursorPosition(0);
      ++i;
    }
  }
}

TCopyField* TGroupFormatPage::Field(const QString& name) const {
  for (TCopyField* field : fields_) {
    if (field->objectName() == name) return field;
  }
  return nullptr;
}

QString TGroupFormatPage::CopyBody() const {
  return Q(written_ ? tools::WrittenCopyText(groups_) : tools::NumericCopyText(groups_));
}

// ---- Technical pages -------------------------------------------------------------

TTechFormatPage::TTechFormatPage(int page, QWidget* parent)
    : TBeamPage(parent), page_(page < 1 || page > 3 ? 1 : page) {
  setObjectName(QStringLiteral("PageFormatIT%1").arg(page_));
  tools::PreparePage(this);
  date_ = new TDateEdt(this);
  date_->setObjectName(QStringLiteral("DateEdtITDate"));
  date_->SetEditHeight(19);
  date_->SetModus(QStringLiteral("D"));
  date_->move(1, 1);
  time_ = new TDateEdt(this);
  time_->setObjectName(QStringLiteral("DateEdtITTime"));
  time_->SetEditHeight(19);
  time_->SetModus(QStringLiteral("T"));
  time_->move(date_->width() + 3, 1);
  offset_ = new QLineEdit(this);
  offset_->setObjectName(QStringLiteral("EdtITDiff"));
  offset_->setInputMask(QStringLiteral("#99:99"));
  offset_->setText(QStringLiteral("+01:00"));
  offset_->setToolTip(QStringLiteral("Differenz zu UTC\r\n+hh:mm oder -hh:mm"));
  offset_->setAccessibleName(QStringLiteral("Differenz zu UTC"));
  controls::InstallHintFilter(offset_);
  offset_->setFont(FieldFont(this, 11));
  const int offsetLeft = time_->x() + time_->width() + 2;
  offset_->setGeometry(offsetLeft, 1, 247 - offsetLeft, 19);
  connect(date_, &TDateEdt::OnChange, this, [this] {
    if (!writing_) Compute();
  });
  connect(time_, &TDateEdt::OnChange, this, [this] {
    if (!writing_) Compute();
  });
  connect(offset_, &QLineEdit::textEdited, this, [this] {
    if (!writing_) Compute();
  });

  rows_ = tools::TechRows(page_, "", "", "");
  const QFont font = FieldFont(this, 10);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int top = 22 + 16 * static_cast<int>(i);
    auto* value = new TCopyField(this);
    value->setObjectName(Q(rows_[i].name));
    value->setFont(font);
    // The first and last rows of IT-2 stand a pixel taller.
    const bool tall = page_ == 2 && (i == 0 || i + 1 == rows_.size());
    value->setGeometry(1, top, 185, tall ? 17 : 16);
    value->setTextMargins(1, 0, 0, 0);
    auto* caption = new TLinkLabel(this);
    caption->setObjectName(Q("Lbl_IT" + std::to_string(page_) + "_" + std::to_string(i + 1)));
    caption->setFont(font);
    caption->setGeometry(188, top, 61, 16);
    caption->setText(Q(rows_[i].caption));
    caption->setToolTip(Q(rows_[i].hint));
    caption->SetAddress(Q(rows_[i].article));
    // The caption right of the value names it for a screen reader.
    caption->setBuddy(value);
    value->setToolTip(Q(rows_[i].hint) + QStringLiteral("\n\r") + Q(tools::kDblClickHint));
    value->setVisible(rows_[i].used);
    caption->setVisible(rows_[i].used);
    values_[i] = value;
    captions_[i] = caption;
  }
}

void TTechFormatPage::Refresh(const engine::ChosenDay& day) {
  {
    const QScopedValueRollback guard(writing_, true);
    const QSignalBlocker dateBlocker(date_);
    const QSignalBlocker timeBlocker(time_);
    date_->SetDayNumber(day.dayNumber);
    time_->SetTimeOfDay(day.time);
    offset_->setText(Q(tools::LegalOffsetText(day.dayNumber, day.region)));
  }
  Compute();
}

void TTechFormatPage::Compute() {
  static const QRegularExpression kOffset(QStringLiteral("^[+-][0-9]{2}:[0-9]{2}$"));
  const QString offset = offset_->text();
  const std::string offsetText =
      kOffset.match(offset).hasMatch() ? offset.toStdString() : std::string();
  // The forms are Gregorian: a day shown in the Julian calendar counts by
  // its day number.
  const engine::CivilDate date =
      engine::CivilDateOf(date_->Chosen().dayNumber, engine::CalendarKind::Gregorian);
  rows_ = tools::TechRows(page_, date, time_->K_Time().toStdString(), offsetText);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    values_[i]->setText(Q(rows_[i].text));
    values_[i]->setCursorPosition(0);
  }
  if (!writing_) emit TextChanged();
}

QString TTechFormatPage::CopyBody() const {
  return Q(tools::TechCopyText(rows_));
}
