#include "platform/QtRequesters.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "platform/QtText.h"

namespace qx {

QtRequesters::QtRequesters(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}

QWidget* QtRequesters::parentWidget() const {
  if (QWidget* w = QApplication::activeWindow()) return w;
  return parent_ ? parent_() : nullptr;
}

void QtRequesters::message(const std::string& title, const std::string& text) {
  const bool warning = title.rfind("Achtung", 0) == 0 || title == "Oops...";
  QMessageBox box(warning ? QMessageBox::Warning : QMessageBox::Information, toQ(title),
                  boxText(text), QMessageBox::Ok, parentWidget());
  box.exec();
}

bool QtRequesters::askYesNo(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, toQ(title), boxText(text),
                  QMessageBox::Yes | QMessageBox::No, parentWidget());
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtRequesters::askText(const std::string& title,
                                                 const std::string& prompt,
                                                 const std::string& initial, bool hiddenInput) {
  bool ok = false;
  const QString answer =
      QInputDialog::getText(parentWidget(), toQ(title), boxText(prompt),
                            hiddenInput ? QLineEdit::Password : QLineEdit::Normal, toQ(initial),
                            &ok);
  if (!ok) return std::nullopt;
  return fromQ(answer);
}

std::optional<std::string> QtRequesters::openFile(const std::string& title,
                                                  const std::string& folder,
                                                  const std::string& filter) {
  const QString name =
      QFileDialog::getOpenFileName(parentWidget(), toQ(title), toQ(folder), qtFileFilter(filter));
  if (name.isEmpty()) return std::nullopt;
  return fromQ(name);
}

std::optional<std::string> QtRequesters::saveFile(const std::string& title,
                                                  const std::string& path,
                                                  const std::string& filter) {
  // The program checks the extension and asks before overwriting itself.
  const QString name = QFileDialog::getSaveFileName(parentWidget(), toQ(title), toQ(path),
                                                    qtFileFilter(filter), nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
  if (name.isEmpty()) return std::nullopt;
  return fromQ(name);
}

}  // namespace qx
