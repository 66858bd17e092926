#pragma once

#include <QtCore/QString>

#include "link/CommandSender.h"
#include "settings/SettingsFile.h"

#include <functional>

namespace brivel {

class Clock;
class Dialogs;
class MessageTable;
class RecentFolders;
class SettingsModel;
class SettingsReviewDialog;

// The "Plik" items that act on the controller's settings: "Reset" back to
// factory settings, "Zapis" of the settings to a data file and "Odczyt" of
// a data file into the controller. Each long transfer makes the window busy
// until the settings image that answers it has been shown.
class SettingsMenu {
public:
    // The filters of the two file dialogs.
    static const QString SaveFilter;
    static const QString OpenFilter;

    // `hideBanner` hides the fault banner; `review` shows what a file would
    // change before "Odczyt" sends it. The texts are read from `messages`
    // when shown, in the language chosen last. Both file dialogs open in the
    // folder of the settings file used last (`folders`). None of the
    // references is owned.
    SettingsMenu(Dialogs& dialogs, CommandSender& sender, const SettingsModel& settings,
                 const Clock& clock, const MessageTable& messages, std::function<void()> hideBanner,
                 SettingsReviewDialog& review, RecentFolders& folders);

    void Reset1Click();
    // Chooses the file, then reads the controller's settings: the file gets
    // the image that answers, once it has been shown.
    void Zapis1Click();
    // Reads and checks a file, then reads the controller's settings afresh:
    // the image the program holds may be older than single changes made
    // since. Once that read has been shown, the review shows what the file
    // would change and the block write sends what the fitter keeps; nothing
    // when nothing differs or the fitter cancels.
    void Odczyt1Click();
    // Writes settings kept earlier (a car's restore point) the way "Odczyt"
    // writes a file: a fresh read, the review, then what the fitter keeps.
    void restore(const QByteArray& image);

private:
    Dialogs& dialogs_;
    CommandSender& sender_;
    const SettingsModel& settings_;
    const Clock& clock_;
    const MessageTable& messages_;
    std::function<void()> hideBanner_;
    SettingsReviewDialog& review_;
    RecentFolders& folders_;

    // A fresh read of the settings, with what follows once it has been
    // shown. The queue keeps the completion of the latest read only, so
    // only the latest save or load acts on the image.
    void readSettingsThen(CommandSender::Completion completion);
    void writeFile(const QString& path);
    void reviewAndSend(const settings::datafile::Contents& file);
};

}  // namespace brivel
