// SPDX-License-Identifier: MIT
#include "controls/mocal.h"

#include <qdrawutil.h>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "controls/accessible.h"
#include "controls/colors.h"
#include "controls/hints.h"
#include "engine/daynumber.h"
#include "engine/timetext.h"
#include "platform/openurl.h"
#include "platform/qtext.h"

// A panel with a raised outer and a lowered inner bevel. The today button's
// inner bevel stands raised like a button's and is lowered while the mouse
// is down on it.
class TMoCalPanel : public QWidget {
 public:
  explicit TMoCalPanel(QWidget* parent, bool button = false) : QWidget(parent), button_(button) {}

  void SetPressed(bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, 1);
    qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), !button_ || pressed_, 1);
  }

 private:
  bool button_ = false;
  bool pressed_ = false;
};

// A day cell: a label that shows where the keyboard is with a dotted frame.
class TMoCalCell : public QLabel {
 public:
  using QLabel::QLabel;

  void SetSelected(bool selected) { selected_ = selected; }
  bool Selected() const { return selected_; }
  void SetSchoolHoliday(bool marked) {
    if (marked == schoolHoliday_) return;
    schoolHoliday_ = marked;
    update();
  }
  bool SchoolHoliday() const { return schoolHoliday_; }

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (schoolHoliday_) {
      // A bar under the number: a mark of its own that leaves the number's
      // colour (Saturday, Sunday, holiday) and the paper (Julian, selected,
      // today) as they are.
      QPainter painter(this);
      const int inset = width() / 5;
      painter.fillRect(QRectF(inset, height() - 4, width() - 2 * inset, 2),
                       controls::kSchoolHolidayColor);
    }
    if (!hasFocus()) return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }

 private:
  bool selected_ = false;
  bool schoolHoliday_ = false;
};

// What assistive technology learns of the sheet: the day cells are a table
// of six weeks by seven weekdays (Qt's own calendar offers the same to a
// screen reader), each cell named by its full date and what its colours
// say, pressable like a click; the weekday and week-number labels are the
// table's column and row heads.
class TMoCalAccessibility {
 public:
  static QAccessibleInterface* Create(QObject* object);

  static TMoCal* SheetOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
      if (auto* sheet = qobject_cast<TMoCal*>(const_cast<QWidget*>(w))) return sheet;
    }
    return nullptr;
  }
  static QWidget* Grid(const TMoCal* sheet) { return sheet->panel1_; }
  static int CellCount() { return 42; }
  static QWidget* Cell(const TMoCal* sheet, int index) {
    return sheet->cells_[static_cast<std::size_t>(index)];
  }
  static int IndexOf(const TMoCal* sheet, const QObject* cell) {
    return sheet->CellIndexOf(const_cast<QObject*>(cell));
  }
  static QWidget* ColumnHead(const TMoCal* sheet, int column) {
    return sheet->weekDays_[static_cast<std::size_t>(column)];
  }
  static QWidget* RowHead(const TMoCal* sheet, int row) {
    return sheet->weeks_[static_cast<std::size_t>(row)];
  }
  static const engine::MonthCell& Day(const TMoCal* sheet, int index) {
    return sheet->view_.sheet.cells[static_cast<std::size_t>(index)];
  }
  static QString RowName(const TMoCal* sheet, int row) {
    return platform::Q(
        controls::WeekRowName(sheet->view_.weeks[static_cast<std::size_t>(row)].text));
  }
  static QString MonthText(const TMoCal* sheet) {
    if (!sheet->shown_) return {};
    return (sheet->showMonth_->text() + QLatin1Char(' ') + sheet->showYear_->text()).simplified();
  }
  static bool Shown(const TMoCal* sheet) { return sheet->shown_; }
  static void Press(TMoCal* sheet, int index) {
    if (sheet->shown_) sheet->ClickCell(index);
  }
  static int Selected(const TMoCal* sheet) { return sheet->selectedCell_; }
};

namespace {

QAccessibleInterface* InterfaceOf(QWidget* widget) {
  return widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

// The grid of day cells: the table.
class TMoCalGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  TMoCalGridAccessible(QWidget* grid, TMoCal* sheet)
      : QAccessibleWidget(grid, QAccessible::Table), sheet_(sheet) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // "Tage des Monats, Dezember 2026"
  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    const QString month = TMoCalAccessibility::MonthText(sheet_);
    if (t == QAccessible::Name && !month.isEmpty()) text += QStringLiteral(", ") + month;
    return text;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    return InterfaceOf(TMoCalAccessibility::Cell(sheet_, row * 7 + column));
  }
  int selectedCellCount() const override {
    return TMoCalAccessibility::Selected(sheet_) >= 0 ? 1 : 0;
  }
  QList<QAccessibleInterface*> selectedCells() const override {
    const int selected = TMoCalAccessibility::Selected(sheet_);
    if (selected < 0) return {};
    return {InterfaceOf(TMoCalAccessibility::Cell(sheet_, selected))};
  }
  QString columnDescription(int column) const override {
    if (column < 0 || column >= columnCount()) return {};
    return TMoCalAccessibility::ColumnHead(sheet_, column)->accessibleName();
  }
  QString rowDescription(int row) const override {
    if (row < 0 || row >= rowCount()) return {};
    return TMoCalAccessibility::RowName(sheet_, row);
  }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return 7; }
  int rowCount() const override { return 6; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  // One day is chosen at a time; a whole week or weekday is no choice.
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  TMoCal* sheet_;
};

// A day cell: a selectable, pressable table cell.
class TMoCalCellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
 public:
  TMoCalCellAccessible(QWidget* cell, TMoCal* sheet, int index)
      : QAccessibleWidget(cell, QAccessible::Cell), sheet_(sheet), index_(index) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableCellInterface) {
      return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  // "Freitag, 25. Dezember 2026, 1. Weihnachtstag, gesetzlicher Feiertag, ausgewählt"
  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && TMoCalAccessibility::Shown(sheet_) && !text.isEmpty()) {
      text += platform::Q(controls::CellStateWords(TMoCalAccessibility::Day(sheet_, index_)));
    }
    return text;
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectable = true;
    state.selected = isSelected();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    names.prepend(pressAction());
    return names;
  }
  void doAction(const QString& action) override {
    if (action == pressAction()) return TMoCalAccessibility::Press(sheet_, index_);
    QAccessibleWidget::doAction(action);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction()) return {QStringLiteral("Return")};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

  bool isSelected() const override { return TMoCalAccessibility::Selected(sheet_) == index_; }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    return {InterfaceOf(TMoCalAccessibility::ColumnHead(sheet_, columnIndex()))};
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    return {InterfaceOf(TMoCalAccessibility::RowHead(sheet_, rowIndex()))};
  }
  int columnIndex() const override { return index_ % 7; }
  int rowIndex() const override { return index_ / 7; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override {
    return InterfaceOf(TMoCalAccessibility::Grid(sheet_));
  }

 private:
  TMoCal* sheet_;
  int index_;
};

QAccessibleInterface* MoCalAccessibleFactory(const QString& className, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  if (className != QLatin1String(object->metaObject()->className())) return nullptr;
  return TMoCalAccessibility::Create(object);
}

}  // namespace

QAccessibleInterface* TMoCalAccessibility::Create(QObject* object) {
  auto* widget = static_cast<QWidget*>(object);
  TMoCal* sheet = SheetOf(widget->parentWidget());
  if (sheet == nullptr) return nullptr;
  if (widget == sheet->panel1_) return new TMoCalGridAccessible(widget, sheet);
  const int cell = sheet->CellIndexOf(widget);
  if (cell >= 0) return new TMoCalCellAccessible(widget, sheet, cell);
  for (QLabel* head : sheet->weekDays_) {
    if (head == widget) return new QAccessibleWidget(widget, QAccessible::ColumnHeader);
  }
  for (QLabel* head : sheet->weeks_) {
    if (head == widget) return new QAccessibleWidget(widget, QAccessible::RowHeader);
  }
  return nullptr;
}

namespace {

using controls::CellInk;
using controls::SheetPaper;

// Pixel layout of the panels inside the 249 x 217 sheet, and of their labels.
constexpr QRect kPanel1{40, 56, 201, 153};
constexpr QRect kPanelTop0{8, 8, 233, 25};
constexpr QRect kPanelTop{40, 32, 201, 25};
constexpr QRect kPanelLeftTop{8, 32, 33, 25};
constexpr QRect kPanelLeft{8, 56, 33, 153};
constexpr int kBevel = 2;     // the two bevels of a panel
constexpr int kHeadGap = 10;  // between the month and the year head

// The cells share the inside of CalPanel1 without a gap: column and row
// edges are rounded from equal parts; the heads and week numbers follow them.
constexpr int ColumnEdge(int column) {
  return kBevel + (column * (kPanel1.width() - 2 * kBevel) + 3) / 7;
}  // ColumnEdge(7) == 199
constexpr int RowEdge(int row) {
  return kBevel + (row * (kPanel1.height() - 2 * kBevel) + 3) / 6;
}  // RowEdge(6) == 151
QColor PaperColor(SheetPaper paper, const QPalette& palette) {
  switch (paper) {
    case SheetPaper::Julian:
      return controls::kJulianColor;
    case SheetPaper::PreGregorian:
      return controls::kPreGregorianColor;
    case SheetPaper::Selected:
      return controls::kSelectedColor;
    case SheetPaper::Window:
      break;
  }
  return palette.color(QPalette::Base);
}

QColor InkColor(CellInk ink, const QPalette& palette) {
  switch (ink) {
    case CellInk::Saturday:
      return controls::kSaturdayColor;
    case CellInk::Sunday:
      return controls::kSundayColor;
    case CellInk::LegalHoliday:
      return controls::kLegalHolidayColor;
    case CellInk::Grey:
      return controls::kGreyColor;
    case CellInk::WindowText:
      break;
  }
  return palette.color(QPalette::Text);
}

void SetColors(QWidget* widget, const QColor& paper, const QColor& ink) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, paper);
  palette.setColor(QPalette::WindowText, ink);
  widget->setPalette(palette);
}

void SetInk(QWidget* widget, const QColor& ink) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, ink);
  widget->setPalette(palette);
}

using platform::Q;

}  // namespace

TMoCal::TMoCal(QWidget* parent) : QWidget(parent) {
  static const bool kFactoryInstalled = [] {
    controls::InstallAccessibility();
    QAccessible::installFactory(MoCalAccessibleFactory);
    return true;
  }();
  (void)kFactoryInstalled;
  timeText_ = engine::CurrentTimeText();
  resize(kWidth, kHeight);
  setAccessibleName(QStringLiteral("Monatsblatt"));
  CreatePanels();
  CreateHeads();
  CreateCells();
  CreateMenus();
  PlaceHeads();
}

void TMoCal::CreatePanels() {
  const auto make = [this](const char* name, const QRect& place, bool button = false) {
    auto* panel = new TMoCalPanel(this, button);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    return panel;
  };
  panelTop0_ = make("CalPanelTop0", kPanelTop0);
  panelTop_ = make("CalPanelTop", kPanelTop);
  panelLeftTop_ = make("CalPanelLeftTop", kPanelLeftTop, true);
  panelLeft_ = make("CalPanelLeft", kPanelLeft);
  panel1_ = make("CalPanel1", kPanel1);
  panelTop0_->setAutoFillBackground(true);
  panel1_->setAccessibleName(QStringLiteral("Tage des Monats"));
}

void TMoCal::CreateHeads() {
  QFont headFont = font();
  headFont.setBold(true);
  const auto make = [this, &headFont](QWidget* panel, const char* name, const QString& text) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(headFont);
    label->installEventFilter(this);
    controls::InstallHintFilter(label);
    return label;
  };
  showMonth_ = make(panelTop0_, "Lbl_ShowMonth", QStringLiteral("Monat"));
  showYear_ = make(panelTop0_, "Lbl_ShowYear", QStringLiteral("   Jahr"));
  showCal_ = make(panelTop0_, "Lbl_ShowCal", QStringLiteral("(Greg.)"));
  showMonth_->setCursor(Qt::PointingHandCursor);
  showYear_->setCursor(Qt::PointingHandCursor);

  for (int column = 0; column < 7; ++column) {
    QLabel* head = make(panelTop_, "", QString());
    // Kept before its first text: a screen reader asks for the label at once.
    weekDays_[static_cast<std::size_t>(column)] = head;
    head->setObjectName(QStringLiteral("Lbl_WeekDay%1").arg(column + 1));
    head->setAlignment(Qt::AlignCenter);
    head->setGeometry(ColumnEdge(column), kBevel, ColumnEdge(column + 1) - ColumnEdge(column),
                      kPanelTop.height() - 2 * kBevel);
    if (column == 5) SetInk(head, controls::kSaturdayColor);
    if (column == 6) SetInk(head, controls::kSundayColor);
    const std::string name = engine::WeekDayName(column + 1);
    head->setText(Q(name.substr(0, 2)));
    head->setToolTip(Q(name));
    head->setAccessibleName(Q(name));
  }

  QFont plain = font();
  for (int row = 0; row < 6; ++row) {
    QLabel* week = make(panelLeft_, "", QString());
    weeks_[static_cast<std::size_t>(row)] = week;
    week->setObjectName(QStringLiteral("Lbl_Week%1").arg(row + 1));
    week->setFont(plain);
    week->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    week->setContentsMargins(0, 0, 6, 0);
    week->setGeometry(kBevel, RowEdge(row), kPanelLeft.width() - 2 * kBevel,
                      RowEdge(row + 1) - RowEdge(row));
    week->setToolTip(QStringLiteral("Kalenderwoche"));
  }

  today_ = new QLabel(QStringLiteral("heute"), panelLeftTop_);
  today_->setObjectName(QStringLiteral("Lbl_Today"));
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.72);
  today_->setFont(small);
  today_->setAlignment(Qt::AlignCenter);
  today_->setGeometry(2, 2, kPanelLeftTop.width() - 4, kPanelLeftTop.height() - 4);
  today_->setAttribute(Qt::WA_TransparentForMouseEvents);
  controls::MarkAsButton(panelLeftTop_, [this] { ClickToday(); });
  panelLeftTop_->setAccessibleName(QStringLiteral("heute"));
  panelLeftTop_->installEventFilter(this);
  controls::InstallHintFilter(panelLeftTop_);
}

void TMoCal::CreateCells() {
  for (int i = 0; i < 42; ++i) {
    auto* cell = new TMoCalCell(panel1_);
    cells_[static_cast<std::size_t>(i)] = cell;
    cell->setObjectName(QStringLiteral("Lbl_Day%1").arg(i + 1));
    const int column = i % 7;
    const int row = i / 7;
    cell->setGeometry(ColumnEdge(column), RowEdge(row), ColumnEdge(column + 1) - ColumnEdge(column),
                      RowEdge(row + 1) - RowEdge(row));
    cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setContentsMargins(0, 0, 7, 0);
    cell->setAutoFillBackground(true);
    cell->setFocusPolicy(Qt::NoFocus);
    cell->installEventFilter(this);
    controls::InstallHintFilter(cell);
  }
}

void TMoCal::CreateMenus() {
  const auto makeItems = [this](QMenu* menu, const char* base, auto& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      QAction* action = menu->addAction(QString());
      action->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(base)).arg(i));
      connect(action, &QAction::triggered, this,
              [this, action] { OpenLink(action->data().toString().toStdString()); });
      items[i] = action;
    }
  };
  dayMenu_ = new QMenu(this);
  dayMenu_->setObjectName(QStringLiteral("DayMenu"));
  makeItems(dayMenu_, "DayMenu", dayItems_);
  yearMenu_ = new QMenu(this);
  yearMenu_->setObjectName(QStringLiteral("YearMenu"));
  yearMenu_->setToolTipsVisible(true);
  makeItems(yearMenu_, "YearMenu", yearItems_);
}

void TMoCal::ShowMonth(int dayNumber, bool gregorian, const QString& land) {
  const engine::CalendarKind kind =
      gregorian ? engine::CalendarKind::Gregorian : engine::CalendarKind::Julian;
  const bool hadFocus = panel1_->isAncestorOf(QApplication::focusWidget());
  gregorian_ = gregorian;
  land_ = land;
  view_ = controls::SheetViewOf(dayNumber, land.toStdString(), kind, engine::TodayJD(),
                                tour_.toStdString());
  shown_ = true;
  Render();
  if (hadFocus) {
    for (TMoCalCell* cell : cells_) {
      if (cell->focusPolicy() != Qt::NoFocus) cell->setFocus(Qt::OtherFocusReason);
    }
  }
}

void TMoCal::Render() {
  const QPalette base = palette();
  SetColors(panelTop0_, PaperColor(view_.headPaper, base), base.color(QPalette::WindowText));
  showMonth_->setText(Q(view_.month.text));
  showMonth_->setToolTip(Q(view_.month.hint));
  showYear_->setText(Q(view_.year.text));
  showYear_->setToolTip(Q(view_.year.hint));
  showCal_->setText(Q(view_.mark.text));
  showCal_->setToolTip(Q(view_.mark.hint));
  PlaceHeads();

  for (std::size_t row = 0; row < weeks_.size(); ++row) {
    weeks_[row]->setText(Q(view_.weeks[row].text));
    weeks_[row]->setToolTip(Q(view_.weeks[row].hint));
    weeks_[row]->setAccessibleName(Q(controls::WeekRowName(view_.weeks[row].text)));
  }
  QFont plain = font();
  QFont bold = font();
  bold.setBold(true);
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const controls::CellView& view = view_.cells[i];
    TMoCalCell* cell = cells_[i];
    cell->setText(Q(view.text));
    cell->setToolTip(Q(view.hint));
    cell->setAccessibleName(Q(view.accessibleName));
    cell->setFont(view.bold ? bold : plain);
    cell->SetSchoolHoliday(showSchoolHolidays_ && view.schoolHoliday);
  }
  RenderSelection();
}

void TMoCal::SetShowSchoolHolidays(bool show) {
  showSchoolHolidays_ = show;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    cells_[i]->SetSchoolHoliday(show && view_.cells[i].schoolHoliday);
  }
}

bool TMoCal::SchoolHolidayMarked(int cell) const {
  return cell >= 0 && cell < static_cast<int>(cells_.size()) &&
         cells_[static_cast<std::size_t>(cell)]->SchoolHoliday();
}

void TMoCal::RenderSelection() {
  const QPalette base = palette();
  int focusable = -1;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const int index = static_cast<int>(i);
    SetColors(cells_[i], PaperColor(controls::CellPaper(view_, index), base),
              InkColor(view_.cells[i].ink, base));
    cells_[i]->SetSelected(view_.sheet.cells[i].selected);
    if (view_.sheet.cells[i].selected) focusable = index;
  }
  if (focusable < 0) {
    for (std::size_t i = 0; i < cells_.size() && focusable < 0; ++i) {
      if (view_.sheet.cells[i].inMonth) focusable = static_cast<int>(i);
    }
  }
  const int selected =
      focusable >= 0 && view_.sheet.cells[static_cast<std::size_t>(focusable)].selected ? focusable
                                                                                        : -1;
  if (selected != selectedCell_) {
    const int before = selectedCell_;
    selectedCell_ = selected;
    AnnounceSelection(before, selected);
  }
  // Only the selected cell takes the Tab stop, so the sheet is one stop.
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    cells_[i]->setFocusPolicy(static_cast<int>(i) == focusable ? Qt::StrongFocus : Qt::NoFocus);
  }
}

void TMoCal::AnnounceSelection(int before, int after) {
  for (int index : {before, after}) {
    if (index < 0) continue;
    QWidget* cell = cells_[static_cast<std::size_t>(index)];
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent state(cell, changed);
    QAccessible::updateAccessibility(&state);
    QAccessibleEvent name(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
  }
  if (after >= 0) {
    QAccessibleEvent selection(cells_[static_cast<std::size_t>(after)], QAccessible::Selection);
    QAccessible::updateAccessibility(&selection);
  }
}

void TMoCal::PlaceHeads() {
  constexpr int kTop = 4;
  const int height = kPanelTop0.height() - 2 * kTop;
  showMonth_->adjustSize();
  showMonth_->setGeometry(8, kTop, showMonth_->width(), height);
  showYear_->adjustSize();
  showYear_->setGeometry(showMonth_->geometry().right() + 1 + kHeadGap, kTop, showYear_->width(),
                         height);
  showCal_->adjustSize();
  const int calLeft =
      std::max(showYear_->geometry().right() + 1, kPanelTop0.width() - 8 - showCal_->width());
  showCal_->setGeometry(calLeft, kTop, kPanelTop0.width() - 4 - calLeft, height);
  showCal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

int TMoCal::CellIndexOf(QObject* watched) const {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (cells_[i] == watched) return static_cast<int>(i);
  }
  return -1;
}

bool TMoCal::eventFilter(QObject* watched, QEvent* event) {
  const int cell = CellIndexOf(watched);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (watched == panelLeftTop_) {
        panelLeftTop_->SetPressed(true);
        return true;
      }
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const auto* widget = static_cast<QWidget*>(watched);
      const bool inside = widget->rect().contains(mouse->position().toPoint());
      if (watched == panelLeftTop_) {
        panelLeftTop_->SetPressed(false);
        if (inside && mouse->button() == Qt::LeftButton) ClickToday();
        if (inside && mouse->button() == Qt::RightButton) ShowTodayMonth();
        return true;
      }
      if (swallowRelease_) {
        // The release that ends a double click is no further click.
        swallowRelease_ = false;
        return true;
      }
      if (!inside || mouse->button() != Qt::LeftButton || !shown_) break;
      if (cell >= 0) {
        ClickCell(cell);
        return true;
      }
      std::string link;
      if (watched == showMonth_) link = view_.month.link;
      if (watched == showYear_) link = view_.year.link;
      if (watched == showCal_) link = view_.mark.link;
      for (std::size_t i = 0; i < weekDays_.size(); ++i) {
        if (watched == weekDays_[i]) link = view_.weekdays[i].link;
      }
      for (std::size_t i = 0; i < weeks_.size(); ++i) {
        if (watched == weeks_[i]) link = view_.weeks[i].link;
      }
      if (link.empty()) break;
      OpenLink(link);
      return true;
    }
    case QEvent::MouseButtonDblClick: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (cell < 0 || mouse->button() != Qt::LeftButton || !shown_) break;
      swallowRelease_ = true;
      DoubleClickCell(cell);
      return true;
    }
    case QEvent::ContextMenu: {
      const auto* menu = static_cast<QContextMenuEvent*>(event);
      if (watched == panelLeftTop_) return true;  // its right click is the release above
      if (cell >= 0) {
        PopUpDayMenu(cell, menu->globalPos());
        return true;
      }
      if (watched == showYear_) {
        PopUpYearMenu(menu->globalPos());
        return true;
      }
      break;
    }
    case QEvent::KeyPress:
      if (cell >= 0 && CellKeyPress(static_cast<QKeyEvent*>(event))) return true;
      break;
    case QEvent::Enter:
      if (watched == panelLeftTop_) {
        panelLeftTop_->setToolTip(
            Q(controls::TodayHint(engine::TodayText(gregorian_ ? engine::CalendarKind::Gregorian
                                                               : engine::CalendarKind::Julian),
                                  engine::CurrentTimeText())));
      }
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void TMoCal::ClickCell(int cell) {
  const engine::MonthCell& day = view_.sheet.cells[static_cast<std::size_t>(cell)];
  controls::SelectDay(view_, day.clickDayNumber);
  RenderSelection();
  for (TMoCalCell* each : cells_) {
    if (each->focusPolicy() != Qt::NoFocus) each->setFocus(Qt::MouseFocusReason);
  }
  emit OnClick();
}

void TMoCal::DoubleClickCell(int cell) {
  ClickCell(cell);
  // A Julian day has no article of its own date.
  if (view_.sheet.calendar == engine::SheetCalendar::Julian) return;
  OpenLink(view_.cells[static_cast<std::size_t>(cell)].link);
}

void TMoCal::PopUpDayMenu(int cell, const QPoint& globalPos) {
  if (!shown_) return;
  const engine::MonthCell& day = view_.sheet.cells[static_cast<std::size_t>(cell)];
  if (!day.inRange) return;
  const auto items = controls::DayMenuOf(day, view_.code, timeText_, engine::TodayJD());
  for (std::size_t i = 0; i < items.size(); ++i) {
    dayItems_[i]->setText(Q(items[i].caption));
    dayItems_[i]->setData(Q(items[i].link));
    dayItems_[i]->setVisible(items[i].visible);
  }
  controls::AddMnemonics(dayMenu_);
  dayMenu_->popup(globalPos);
}

void TMoCal::PopUpYearMenu(const QPoint& globalPos) {
  if (!shown_) return;
  for (std::size_t i = 0; i < yearItems_.size(); ++i) {
    const controls::MenuItem& item = view_.yearMenu[i];
    yearItems_[i]->setText(Q(item.caption));
    yearItems_[i]->setToolTip(Q(item.hint.empty() ? item.caption : item.hint));
    yearItems_[i]->setData(Q(item.link));
    yearItems_[i]->setVisible(item.visible);
  }
  controls::AddMnemonics(yearMenu_);
  yearMenu_->popup(globalPos);
}

void TMoCal::ClickToday() {
  if (!shown_) return;
  MoveSelection(std::clamp(engine::TodayJD(), engine::kFirstDayNumber, engine::kLastDayNumber));
  emit OnClick();
}

void TMoCal::ShowTodayMonth() {
  if (!shown_) return;
  ShowMonth(engine::TodayJD(), gregorian_, land_);
}

void TMoCal::MoveSelection(int dayNumber) {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const engine::MonthCell& cell = view_.sheet.cells[i];
    if (cell.dayNumber == dayNumber && cell.inMonth) {
      const bool hadFocus = panel1_->isAncestorOf(QApplication::focusWidget());
      controls::SelectDay(view_, dayNumber);
      RenderSelection();
      if (hadFocus) cells_[i]->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  ShowMonth(dayNumber, gregorian_, land_);
}

bool TMoCal::CellKeyPress(QKeyEvent* event) {
  if (!shown_) return false;
  const engine::CalendarKind kind =
      gregorian_ ? engine::CalendarKind::Gregorian : engine::CalendarKind::Julian;
  const auto step = [this, kind](controls::DayStep by) {
    MoveSelection(controls::SteppedDay(view_.selected, by, kind));
  };
  switch (event->key()) {
    case Qt::Key_Left:
      step(controls::DayStep::PreviousDay);
      return true;
    case Qt::Key_Right:
      step(controls::DayStep::NextDay);
      return true;
    case Qt::Key_Up:
      step(controls::DayStep::PreviousWeek);
      return true;
    case Qt::Key_Down:
      step(controls::DayStep::NextWeek);
      return true;
    case Qt::Key_PageUp:
      step(controls::DayStep::PreviousMonth);
      return true;
    case Qt::Key_PageDown:
      step(controls::DayStep::NextMonth);
      return true;
    case Qt::Key_Home:
      MoveSelection(std::clamp(engine::TodayJD(), engine::kFirstDayNumber, engine::kLastDayNumber));
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit OnClick();
      return true;
    default:
      return false;
  }
}

void TMoCal::OpenLink(const std::string& link) const {
  if (link.empty()) return;
  platform::OpenUrl(link);
}
