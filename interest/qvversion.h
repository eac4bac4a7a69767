// SPDX-License-Identifier: MIT
// TQvVersion: a small label that shows the running program's version
// ("version: 4.284.54.16") and opens the program's web site when clicked:
// the left button opens `Url`, any other button the program's site. The
// version is the project's one version number (engine/version.h), the same
// that the program's version resource and the command line carry.
#pragma once

#include <QLabel>
#include <QString>

class TQvVersion : public QLabel {
  Q_OBJECT
  Q_PROPERTY(QString About READ About WRITE SetAbout)
  Q_PROPERTY(QString Url READ Url WRITE SetUrl)

 public:
  explicit TQvVersion(QWidget* parent = nullptr);

  // About: the label's version and the maker's notice.
  QString About() const;
  // SetAbout: ignores every value; About stays the built-in text.
  void SetAbout(const QString& text);  // "x" -> About unchanged

  // Url: the address a left click opens; without a scheme "http://" is put
  // in front when it is opened.
  QString Url() const { return url_; }
  // SetUrl: stored as given.
  void SetUrl(const QString& url) { url_ = url; }  // "a.de" -> opens "http://a.de"

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString url_;
};
