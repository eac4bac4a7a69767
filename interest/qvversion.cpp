// SPDX-License-Identifier: MIT
#include "interest/qvversion.h"

#include <QMouseEvent>

#include "controls/hints.h"
#include "engine/version.h"
#include "interest/version_model.h"
#include "platform/openurl.h"
#include "platform/qtext.h"

namespace {

using platform::Q;

}  // namespace

TQvVersion::TQvVersion(QWidget* parent)
    : QLabel(parent), url_(QString::fromUtf8(interest::kProgramSite)) {
  setText(Q(interest::VersionCaption(engine::kProgramVersion)));
  setToolTip(Q(interest::VersionHint(engine::kProgramVersion, interest::CurrentYear())));
  controls::InstallHintFilter(this);
  setCursor(Qt::PointingHandCursor);
  adjustSize();
}

QString TQvVersion::About() const {
  return Q(interest::AboutText());
}

void TQvVersion::SetAbout(const QString&) {}

void TQvVersion::mousePressEvent(QMouseEvent* event) {
  const std::string address = event->button() == Qt::LeftButton
                                  ? interest::WebAddress(url_.toStdString())
                                  : interest::WebAddress(interest::kProgramSite);
  platform::OpenUrl(address);
  event->accept();
}
