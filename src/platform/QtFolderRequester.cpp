#include "platform/QtFolderRequester.h"

#include <QApplication>
#include <QFileDialog>

#include "platform/QtText.h"

namespace qx {

std::optional<std::string> QtFolderRequester::chooseFolder(const std::string& title,
                                                           const std::string& startFolder) {
  const QString folder =
      QFileDialog::getExistingDirectory(QApplication::activeWindow(), toQ(title), toQ(startFolder));
  if (folder.isEmpty()) return std::nullopt;
  return fromQ(folder);
}

}  // namespace qx
