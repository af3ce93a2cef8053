#include "window/qt/fonts.hpp"

#include <QStringList>

namespace tarvel::qt {

void installFontSubstitutes() {
  const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Sans Serif")};
  for (const char* face : {"MS Sans Serif", "Arial", "System"})
    QFont::insertSubstitutions(QString::fromLatin1(face), sans);
  QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                             {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

QFont fontOf(const FontSpec& wanted) {
  QFont font(QString::fromUtf8(wanted.face.data(), static_cast<qsizetype>(wanted.face.size())));
  font.setPointSizeF(wanted.points);
  font.setBold(wanted.bold);
  return font;
}

}  // namespace tarvel::qt
