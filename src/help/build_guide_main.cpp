// reventa-build-guide SOURCE_FOLDER OUTPUT.pdf: builds the user guide at build
// time from its chapters, working every example out through the same commands as
// reventa-calc, so the guide shows the program's own figures.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "cli/command.h"
#include "help/guide_document.h"
#include "help/guide_source.h"

namespace {

using reventa::cli::Json;
using reventa::help::Example;
using reventa::help::ExampleResults;

ExampleResults RunExample(const Example& example) {
  ExampleResults out;
  const reventa::cli::Command* command = reventa::cli::FindCommand(example.command.toStdString());
  if (command == nullptr) {
    out.error = QStringLiteral("there is no calculator \"%1\"").arg(example.command);
    return out;
  }
  Json input = Json::object();
  for (const reventa::help::ExampleInput& in : example.inputs) {
    Json value = Json::parse(in.json.toStdString(), nullptr, false);
    if (value.is_discarded()) {
      out.error = QStringLiteral("the value of %1 is not JSON: %2").arg(in.key, in.json);
      return out;
    }
    input[in.key.toStdString()] = value;
  }
  const Json result = reventa::cli::RunObject(*command, input);
  if (result.contains("error")) {
    out.error = QString::fromStdString(result["error"].dump());
    return out;
  }
  for (const reventa::help::ExampleOutput& o : example.outputs) {
    const std::string key = o.key.toStdString();
    const Json::json_pointer pointer(key.starts_with('/') ? key : "/" + key);
    if (!result.contains(pointer)) {
      out.error = QStringLiteral("the result has no %1").arg(o.key);
      return out;
    }
    const Json& v = result[pointer];
    if (v.is_boolean()) {
      out.values.append(v.get<bool>() ? 1 : 0);
    } else if (v.is_number()) {
      out.values.append(v.get<double>());
    } else {
      out.error =
          QStringLiteral("%1 is not a number: %2").arg(o.key, QString::fromStdString(v.dump()));
      return out;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  // Laid out without a display, on the fonts of the machine that builds it.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: reventa-build-guide SOURCE_FOLDER OUTPUT.pdf\n");
    return 2;
  }
  const QDir source(QString::fromLocal8Bit(argv[1]));
  QList<reventa::help::Chapter> chapters;
  for (const QString& name : source.entryList({QStringLiteral("*.md")}, QDir::Files, QDir::Name)) {
    QFile file(source.absoluteFilePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "reventa-build-guide: cannot read %s\n", qPrintable(file.fileName()));
      return 1;
    }
    const auto parsed = reventa::help::ParseChapter(name, QString::fromUtf8(file.readAll()));
    if (!parsed.chapter) {
      std::fprintf(stderr, "reventa-build-guide: %s\n", qPrintable(parsed.error));
      return 1;
    }
    chapters.append(*parsed.chapter);
  }
  if (chapters.isEmpty()) {
    std::fprintf(stderr, "reventa-build-guide: no chapters in %s\n", argv[1]);
    return 1;
  }
  const QString output = QString::fromLocal8Bit(argv[2]);
  if (const auto problem = reventa::help::WriteGuide(chapters, RunExample, output)) {
    std::fprintf(stderr, "reventa-build-guide: %s\n", qPrintable(*problem));
    QFile::remove(output);
    return 1;
  }
  return 0;
}
