#pragma once

#include <QtCore/QString>

#include "settings/SettingsFile.h"

#include <functional>
#include <optional>

namespace brivel {

class Clock;
class CommandSender;
class Dialogs;
class MessageTable;
class SettingsModel;
class SettingsReviewDialog;

// The "Plik" items that act on the controller's settings: "Reset" back to
// factory settings, "Zapis" of the settings to a data file and "Odczyt" of
// a data file into the controller. Each long transfer makes the window busy
// until the settings image that answers it has been shown.
class SettingsMenu {
public:
    // Who calls `Zapis1Click`: the menu item (first step: choose the file and
    // read the settings), or the link once that read has been shown (second
    // step: write the file).
    enum class Sender { Menu, None };

    // The filters of the two file dialogs.
    static const QString SaveFilter;
    static const QString OpenFilter;

    // `hideBanner` hides the fault banner; `review` shows what a file would
    // change before "Odczyt" sends it. The texts are read from `messages`
    // when shown, in the language chosen last. None of the references is
    // owned.
    SettingsMenu(Dialogs& dialogs, CommandSender& sender, const SettingsModel& settings,
                 const Clock& clock, const MessageTable& messages, std::function<void()> hideBanner,
                 SettingsReviewDialog& review);

    void Reset1Click();
    void Zapis1Click(Sender sender);
    // Reads and checks a file, then reads the controller's settings afresh:
    // the image the program holds may be older than single changes made
    // since. The review follows once that read has been shown.
    void Odczyt1Click();
    // The link has shown the settings read for a file (the read queued with
    // the marker): a save writes its file, a load shows what the file would
    // change and sends the block write with what the fitter keeps; nothing
    // when nothing differs or the fitter cancels.
    void settingsReadForFile();

    // The file the save in progress writes to; empty when none is.
    const QString& saveFileName() const { return saveFileName_; }

private:
    Dialogs& dialogs_;
    CommandSender& sender_;
    const SettingsModel& settings_;
    const Clock& clock_;
    const MessageTable& messages_;
    std::function<void()> hideBanner_;
    SettingsReviewDialog& review_;
    void reviewAndSend(const settings::datafile::Contents& file);

    QString saveFileName_;
    // The file a load in progress writes once the controller's settings
    // have been read; only the latest save or load waits for that read.
    std::optional<settings::datafile::Contents> loadPending_;
};

}  // namespace brivel
