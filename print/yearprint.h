// SPDX-License-Identifier: MIT
// The printable year calendar on paper: one landscape A4 page with the
// title, the twelve months of engine::YearPage in four columns and three
// rows (Monday first, a week-number column, Saturdays, Sundays and legal
// holidays in the colours of the month sheet, a filled dot on full moon and
// a ring on new moon), a legend, and the year's holidays beside the months.
//
// PaintYearPage draws on any paged device (the printer of the preview, a PDF
// writer); PreviewYearPage opens Qt's print preview on it. The file form
// without Qt types is in yearpdf.h.
#pragma once

#include "engine/yearpage.h"

class QPagedPaintDevice;
class QWidget;

namespace print {

// SetYearPageLayout: landscape A4 with 10 mm margins on the device.
void SetYearPageLayout(QPagedPaintDevice& device);  // a fresh QPdfWriter -> 297 x 210 mm

// PaintYearPage: draws the page on a device whose layout is already set;
// false when no painter could be opened on it (an unwritable file).
bool PaintYearPage(const engine::YearPage& page,
                   QPagedPaintDevice& device);  // (YearPageOf(2026, "D-BY", G), writer) -> true

// PreviewYearPage: Qt's print preview of the page, modal over parent; it
// prints on the printer the user chooses there.
void PreviewYearPage(const engine::YearPage& page, QWidget* parent);

}  // namespace print
