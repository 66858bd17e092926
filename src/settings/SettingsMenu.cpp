#include "settings/SettingsMenu.h"

#include "i18n/MessageTable.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/RecentFolders.h"
#include "settings/EditorCommands.h"
#include "settings/SettingsFileIo.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsReviewDialog.h"

#include <QtCore/QLocale>

namespace brivel {

using namespace settings;

const QString SettingsMenu::SaveFilter = QStringLiteral("*.kvs data file (*.kvs)");
const QString SettingsMenu::OpenFilter = QStringLiteral("*.kvs  data file (*.kvs)");

SettingsMenu::SettingsMenu(Dialogs& dialogs, CommandSender& sender, const SettingsModel& settings,
                           const Clock& clock, const MessageTable& messages,
                           std::function<void()> hideBanner, SettingsReviewDialog& review,
                           RecentFolders& folders)
    : dialogs_(dialogs),
      sender_(sender),
      settings_(settings),
      clock_(clock),
      messages_(messages),
      hideBanner_(std::move(hideBanner)),
      review_(review),
      folders_(folders)
{
}

void SettingsMenu::Reset1Click()
{
    if (!dialogs_.confirm(messages_.text(msg::Row::ResetQuestion)))
        return;
    if (hideBanner_)
        hideBanner_();
    sender_.enterBusyState();
    editor::factoryReset().queueOn(sender_);
}

void SettingsMenu::Zapis1Click()
{
    const QString chosen = dialogs_.saveFileName(
        SaveFilter, QStringLiteral("kvs"), folders_.folder(RecentFolders::Kind::SettingsFiles));
    if (chosen.isEmpty())
        return;
    folders_.remember(RecentFolders::Kind::SettingsFiles, chosen);
    // Nothing is written yet: the file gets the settings read next.
    readSettingsThen([this, path = datafile::fileNameFor(chosen)] { writeFile(path); });
}

void SettingsMenu::readSettingsThen(CommandSender::Completion completion)
{
    sender_.enterBusyState();
    const editor::QueuedCommand read = editor::readForSave();
    sender_.queueCommand(read.retries, read.command, read.firstFollowUp, read.secondFollowUp,
                         std::move(completion));
}

void SettingsMenu::writeFile(const QString& path)
{
    const int seconds = clock_.localDateTime().time().second();
    const QString error = datafile::save(path, settings_.parameterBlock(), seconds);
    if (!error.isEmpty())
        dialogs_.showError(error);
}

void SettingsMenu::Odczyt1Click()
{
    const QString chosen =
        dialogs_.openFileName(OpenFilter, folders_.folder(RecentFolders::Kind::SettingsFiles));
    if (chosen.isEmpty())
        return;
    folders_.remember(RecentFolders::Kind::SettingsFiles, chosen);
    const datafile::LoadResult loaded = datafile::load(chosen);
    if (!loaded.contents) {
        // Not a settings file: a plain box; a file-system failure: the
        // system's message, as the default error handler shows it.
        if (loaded.error == datafile::DataFileError)
            dialogs_.showMessage(loaded.error);
        else
            dialogs_.showError(loaded.error);
        return;
    }
    readSettingsThen([this, file = *loaded.contents] { reviewAndSend(file); });
}

void SettingsMenu::restore(const QByteArray& image)
{
    // The image travels as a file would: the review compares the same bytes.
    const auto contents = datafile::decode(datafile::encode(image, 0));
    if (!contents)
        return;
    readSettingsThen([this, file = *contents] { reviewAndSend(file); });
}

void SettingsMenu::reviewAndSend(const datafile::Contents& loaded)
{
    const MessageLookup text = [this](msg::Row row) { return messages_.text(row); };
    const ParameterBlock controller(settings_.parameterBlock());
    const ParameterBlock file(loaded.image());
    const review::Content content =
        review::content(controller, file, text, messages_.numberFormat());
    if (content.lines.empty()) {
        dialogs_.showMessage(text(msg::Row::NothingDiffers));
        return;
    }
    const auto ticked = review_.review(content);
    if (!ticked)
        return;
    std::vector<review::Difference> kept;
    for (std::size_t i = 0; i < content.lines.size() && i < ticked->size(); ++i)
        if ((*ticked)[i])
            kept.push_back(content.lines[i].difference);
    // Sending with every line unticked would write the controller's own values.
    if (kept.empty())
        return;
    sender_.enterBusyState();
    editor::writeSettingsRegion(review::blockWritePayload(controller, file, kept)).queueOn(sender_);
}

}  // namespace brivel
