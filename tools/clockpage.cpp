// SPDX-License-Identifier: MIT
#include "tools/clockpage.h"

#include <QCheckBox>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <algorithm>

#include "controls/dateedt.h"
#include "controls/hints.h"
#include "engine/environment.h"
#include "engine/outcome.h"
#include "engine/workhours.h"
#include "platform/openurl.h"
#include "tools/pagewidgets.h"

using tools::Q;

namespace {

constexpr int kRowTop = 54;
constexpr int kRowPitch = 21;
constexpr int kEditHeight = 21;

constexpr const char* kSummerArticle =
    "https://de.wikipedia.org/wiki/MESZ#Mitteleurop.C3.A4ische_Sommerzeit";

// The captions that name a summer time: row (0-based) and caption.
bool IsSummerCaption(std::size_t row, std::size_t caption) {
  return (row == 0 && caption == 0) || (row == 1) || (row == 2 && caption == 0) ||
         (row == 3 && caption == 1);
}

}  // namespace

TClockPage::TClockPage(QWidget* parent) : TBeamPage(parent) {
  setObjectName(QStringLiteral("PageClock"));
  tools::PreparePage(this);
  auto makeLabel = [this](const char* name, const QString& text, int left, int top) {
    auto* label = new TLinkLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setText(text);
    label->move(left, top);
    label->adjustSize();
    return label;
  };
  region_label_ = makeLabel("Lbl_Region", QString(), 4, 2);
  capital_ = makeLabel("Lbl_Capital", QStringLiteral("Hauptstadt"), 4, 19);
  QFont bold = capital_->font();
  bold.setBold(true);
  capital_->setFont(bold);
  latitude_ = makeLabel("Lbl_Latitude", QString(), 90, 19);
  latitude_->setToolTip(QStringLiteral("Nördliche Breite"));
  latitude_->SetAddress(QStringLiteral("https://de.wikipedia.org/wiki/Geographische_Breite"));
  longitude_ = makeLabel("Lbl_Longitude", QString(), 150, 19);
  longitude_->setToolTip(QStringLiteral("Östliche Länge"));
  longitude_->SetAddress(QStringLiteral("https://de.wikipedia.org/wiki/Geographische_L%C3%A4nge"));
  jdCaption_ = makeLabel("Lbl_JDCaption", QStringLiteral("Julianisches Datum"), 4, 38);
  jd_ = makeLabel("Lbl_JD", QString(), jdCaption_->x() + jdCaption_->width() + 6, 38);
  jd_->setFont(bold);
  for (TLinkLabel* label : {jdCaption_, jd_}) {
    label->SetAddress(QStringLiteral("https://de.wikipedia.org/wiki/Julianisches_Datum"));
  }
  clockShow_ = makeLabel("Lbl_ClockShow", QStringLiteral("Wie spät ist es?"), 150, 2);
  clockShow_->setToolTip(
      QStringLiteral("linke Maustaste = Systemzeit übernehmen\r\nrechte Maustaste =\r\n"
                     "Coordinated Universal Time (UTC),\r\nmaintained by the BIPM\r\n"
                     "(Bureau International des Poids et Mesures)"));
  clockShow_->setCursor(Qt::PointingHandCursor);
  QFont underlined = clockShow_->font();
  underlined.setUnderline(true);
  clockShow_->setFont(underlined);
  clockShow_->adjustSize();
  connect(clockShow_, &TLinkLabel::Clicked, this, &TClockPage::ClockShowClicked);
  connect(clockShow_, &TLinkLabel::Pressed, this, [](Qt::MouseButton button) {
    if (button == Qt::RightButton) platform::OpenUrl(kTimeServerAddress);
  });

  // The row captions and the check box share a smaller size, so that the
  // longest caption fits beside its time.
  QFont small = font();
  small.setPixelSize(10);
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    auto* edit = new TDateEdt(this);
    edit->setObjectName(QStringLiteral("DateEdtClock%1").arg(row));
    edit->SetEditHeight(kEditHeight);
    edit->SetModus(QStringLiteral("T"));
    edit->move(1, kRowTop + kRowPitch * static_cast<int>(r));
    rows_[r] = edit;
    if (row <= 5) connect(edit, &TDateEdt::OnChange, this, [this, row] { RowEdited(row); });
    for (std::size_t c = 0; c < 2; ++c) {
      auto* caption = new TLinkLabel(this);
      caption->setObjectName(QStringLiteral("Lbl_Zone%1%2").arg(row).arg(c == 0 ? "a" : "b"));
      caption->setFont(small);
      caption->move(edit->width() + 3, kRowTop + kRowPitch * static_cast<int>(r) + 4);
      captions_[r][c] = caption;
      if (IsSummerCaption(r, c)) {
        connect(caption, &TLinkLabel::Pressed, this, [caption](Qt::MouseButton button) {
          if (button == Qt::LeftButton) {
            if (caption->Address().isEmpty()) platform::OpenUrl(kSummerArticle);
          } else {
            platform::OpenUrl(kSunTimeAddress);
          }
        });
      }
    }
  }
  seconds_ = new QCheckBox(QStringLiteral("Sekunden ausblenden"), this);
  seconds_->setObjectName(QStringLiteral("CBSek"));
  seconds_->setToolTip(QStringLiteral("Sekunden werden auf 00 gesetzt, nicht gerundet!"));
  seconds_->setFont(small);
  controls::InstallHintFilter(seconds_);
  seconds_->setGeometry(4, kRowTop + kRowPitch * 7 + 1, std::max(126, seconds_->sizeHint().width()),
                        16);
  connect(seconds_, &QCheckBox::toggled, this, &TClockPage::SecondsToggled);
}

TDateEdt* TClockPage::Row(int row) const {
  return row >= 1 && row <= 7 ? rows_[static_cast<std::size_t>(row - 1)] : nullptr;
}

engine::TimeOfDay TClockPage::EnteredTime(engine::TimeOfDay time) const {
  // Without seconds they are cut, not rounded.
  if (seconds_->isChecked()) time.second = 0;
  return time;
}

void TClockPage::Refresh(const engine::ChosenDay& day) {
  day_ = day;
  Compute(day.time, 0);
}

void TClockPage::Compute(engine::TimeOfDay time, int row) {
  if (!day_.gregorian()) return;
  engine::ZoneClock clock =
      engine::ComputeZoneClock(day_.dayNumber, day_.region, EnteredTime(time), row);
  if (!engine::Succeeded(clock.code)) return;
  clock_ = std::move(clock);
  Show();
}

void TClockPage::RowEdited(int row) {
  if (writing_) return;
  // A sub-field in the middle of typing ("1" of "15") is no time yet.
  const std::optional<engine::TimeOfDay> typed =
      engine::ReadTimeOfDay(Row(row)->K_Time().toStdString());
  if (!typed) return;
  engine::ZoneClock clock =
      engine::ComputeZoneClock(day_.dayNumber, day_.region, EnteredTime(*typed), row);
  if (!day_.gregorian() || !engine::Succeeded(clock.code)) return;
  const bool changed = clock.legal != clock_.legal;
  clock_ = std::move(clock);
  Show();
  if (changed) {
    day_.time = clock_.legal;
    emit TimeChosen(clock_.legal);
  }
}

void TClockPage::ClockShowClicked() {
  const engine::LocalDateTime now = engine::Now(engine::RegionOfCode(day_.region));
  const engine::TimeOfDay time = EnteredTime({now.hour, now.minute, now.second});
  // The date edit takes the time first; its refresh then recomputes the
  // page, and the page recomputes itself in case no panel listens.
  const bool changed = !engine::Succeeded(clock_.code) || time != clock_.legal;
  day_.time = time;
  if (changed) emit TimeChosen(time);
  Compute(time, 0);
}

void TClockPage::SetSecondsHidden(bool hidden) {
  seconds_->setChecked(hidden);
}

void TClockPage::SecondsToggled() {
  const QString modus = seconds_->isChecked() ? QStringLiteral("TM") : QStringLiteral("T");
  {
    const QScopedValueRollback guard(writing_, true);
    for (TDateEdt* edit : rows_) {
      const QSignalBlocker blocker(edit);
      edit->SetModus(modus);
    }
  }
  // Back to seconds, the date edit's time shows them again.
  if (engine::Succeeded(clock_.code)) Compute(day_.time, 0);
}

void TClockPage::Show() {
  const QScopedValueRollback guard(writing_, true);
  const engine::ZoneClock& c = clock_;
  region_label_->setText(Q(c.regionName));
  region_label_->adjustSize();
  region_label_->SetAddress(tools::WikiAddress(c.regionName));
  capital_->setText(c.capital.empty() ? QStringLiteral("Hauptstadt") : Q(c.capital));
  capital_->adjustSize();
  capital_->SetAddress(c.capital.empty() ? QString() : tools::WikiAddress(c.capital));
  latitude_->setText(Q(c.latitude));
  latitude_->adjustSize();
  latitude_->move(capital_->x() + capital_->width() + 6, capital_->y());
  longitude_->setText(Q(c.longitude));
  longitude_->adjustSize();
  longitude_->move(latitude_->x() + latitude_->width() + 6, capital_->y());
  jd_->setText(Q(c.julianDate));
  jd_->adjustSize();
  const QColor windowText = palette().color(QPalette::WindowText);
  for (std::size_t r = 0; r < rows_.size(); ++r) {
    const engine::ClockRow& row = c.rows[r];
    {
      const QSignalBlocker blocker(rows_[r]);
      if (rows_[r]->K_Time() != Q(row.time).left(rows_[r]->K_Time().size())) {
        rows_[r]->SetTime(Q(row.time));
      }
    }
    int left = rows_[r]->x() + rows_[r]->width() + 2;
    for (std::size_t k = 0; k < 2; ++k) {
      TLinkLabel* caption = captions_[r][k];
      const engine::ClockCaption& text = row.captions[k];
      caption->setText(Q(text.text));
      caption->setToolTip(Q(text.hint));
      caption->SetAddress(text.article.empty()
                              ? QString()
                              : QStringLiteral("https://de.wikipedia.org") + Q(text.article));
      QPalette palette = caption->palette();
      palette.setColor(QPalette::WindowText, row.legal && k == 0 ? QColor(255, 0, 0) : windowText);
      caption->setPalette(palette);
      caption->adjustSize();
      caption->move(left, caption->y());
      caption->setVisible(!text.text.empty());
      // "MOZ" and "Mittlere Ortszeit" need the blank the other captions carry.
      left += caption->width() + (text.text.ends_with(' ') ? 0 : 4);
    }
  }
}

QString TClockPage::CopyBody() const {
  return engine::Succeeded(clock_.code) ? Q(clock_.copyText) : QString();
}
