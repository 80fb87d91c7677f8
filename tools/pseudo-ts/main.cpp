// pseudo-ts IN.ts OUT.ts: a translation for checking layouts, made from the source texts of IN.ts. Every
// text becomes about 40% longer and bracketed ("[Öpèn Prõjèct ~~~~]"), so a label that cuts its text
// or a window that crowds shows at once; mnemonics (&), placeholders (%1), line breaks and the shortcut
// after a tab stay as they are.

#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

QString Accented(QChar c) {
  static const QString plain = "aeiouAEIOU";
  static const QString accented = QString::fromUtf8("àéîõüÀÉÎÕÜ");
  int at = plain.indexOf(c);
  return at < 0 ? QString(c) : QString(accented[at]);
}

// One line of a text: its letters accented, placeholders and mnemonics kept, padded and bracketed.
QString PseudoLine(const QString& line) {
  if (line.trimmed().isEmpty()) return line;
  QString out;
  for (int i = 0; i < line.size(); ++i) {
    QChar c = line[i];
    if (c == '%' && i + 1 < line.size() && line[i + 1].isDigit()) {
      out += c;
      while (i + 1 < line.size() && line[i + 1].isDigit()) out += line[++i];
    } else if (c == '&' && i + 1 < line.size()) {
      out += c;
      out += line[++i];  // the mnemonic letter stays, so the key stays
    } else {
      out += Accented(c);
    }
  }
  int pad = (line.trimmed().size() * 2 + 4) / 5;
  return "[" + out + " " + QString(pad, '~') + "]";
}

QString Pseudo(const QString& text) {
  int tab = text.indexOf('\t');
  QString shown = tab < 0 ? text : text.left(tab);
  QString shortcut = tab < 0 ? QString() : text.mid(tab);
  QStringList lines = shown.split('\n');
  for (QString& line : lines) line = PseudoLine(line);
  return lines.join('\n') + shortcut;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pseudo-ts IN.ts OUT.ts\n");
    return 2;
  }
  QFile in(QString::fromLocal8Bit(argv[1]));
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "pseudo-ts: cannot open %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  QXmlStreamReader reader(&in);
  QXmlStreamWriter writer(&out);
  writer.setAutoFormatting(true);
  writer.writeStartDocument();
  writer.writeDTD("<!DOCTYPE TS>");
  writer.writeStartElement("TS");
  writer.writeAttribute("version", "2.1");
  writer.writeAttribute("language", "en_XA");
  writer.writeAttribute("sourcelanguage", "en");
  QString context;
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement()) continue;
    if (reader.name() == QLatin1String("name")) {
      context = reader.readElementText();
    } else if (reader.name() == QLatin1String("source")) {
      QString source = reader.readElementText();
      writer.writeStartElement("context");
      writer.writeTextElement("name", context);
      writer.writeStartElement("message");
      writer.writeTextElement("source", source);
      writer.writeTextElement("translation", Pseudo(source));
      writer.writeEndElement();
      writer.writeEndElement();
    }
  }
  writer.writeEndElement();
  writer.writeEndDocument();
  if (reader.hasError()) {
    std::fprintf(stderr, "pseudo-ts: %s: %s\n", argv[1], qPrintable(reader.errorString()));
    return 1;
  }
  return 0;
}
