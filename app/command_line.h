#pragma once

#include <filesystem>

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "session/run_files.h"

class QCoreApplication;

// rigid-body's command line, read and checked whole before any display or
// file is touched, so that a wrong one is answered alike with a display or
// without, and nothing is written for a run that will not start. A new option
// is one more entry in the constructor's list and its check there; one that
// names a file the run reads or writes is one more line in Files.
class CommandLine {
public:
    // Throws UsageError "rigid-body: WHAT (see --help)" for an unknown option,
    // a missing or empty value, a stray argument, or options that do not go
    // together.
    explicit CommandLine(const QStringList& arguments);

    // --help, --help-all or --version, which Answer prints before it ends the
    // program.
    bool AsksForHelp() const;
    void Answer(const QCoreApplication& application);

    bool Scripted() const { return !script.isEmpty(); }
    // The files the run reads and writes. Throws UsageError when an output is
    // also one of its inputs or another of its outputs.
    RunFiles Files() const;

    QString script;
    std::filesystem::path dataFile;
    QString framesFolder;
    QString recordFile;
    QString csvFile;

private:
    QCommandLineParser parser_;
};
