// The rules of the save and load dialogs that the window's tests do not reach: overwriting an entry in
// place, the messages when a file lets the user down, each leaving the file and the parameters as they
// were, and the entry selected when the file has fewer entries than before.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/common/text_lines.h"
#include "app/params/load_params_model.h"
#include "app/params/param_file.h"
#include "app/params/save_params_model.h"
#include "tests/app/test_support.h"

namespace zenphra::app {
namespace {

EntryText Typed(const char* name) { return EntryText{QString::fromLatin1(name), "", "", "", ""}; }

FractalParams WithIters(int32_t maxIters) {
    FractalParams params;
    params.MaxIters = maxIters;
    return params;
}

QStringList Names(const std::vector<EntryName>& entries) {
    QStringList names;
    for (const EntryName& entry : entries) names << entry.name;
    return names;
}

class ParamDialogRulesTest : public EngineTest {
  protected:
    bool Save(const EntryText& typed, int32_t maxIters) {
        const std::optional<SaveParamsModel> model = SaveParamsModel::Open(path);
        return model && model->Save(typed, WithIters(maxIters), palette);
    }

    std::optional<EntryValues> LoadAt(int position) {
        const std::optional<LoadParamsModel> model = LoadParamsModel::Open(path);
        return model ? model->Load(position, current) : std::nullopt;
    }

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Favourites.prm"));
    const EntryValues current{WithIters(5), ColorMap()};
    MessageRecorder log;
};

TEST_F(ParamDialogRulesTest, AnExistingNameIsOverwrittenOnlyWhenTheUserSaysSo) {
    ASSERT_TRUE(Save(Typed("first"), 100));
    ASSERT_TRUE(Save(Typed("second"), 200));
    ASSERT_TRUE(Save(Typed("third"), 300));
    const QByteArray before = FileBytes(path);

    EXPECT_FALSE(Save(Typed(" second "), 222));
    ASSERT_EQ(log.messages().size(), 1);
    const Message question = log.messages()[0];
    EXPECT_EQ(question.text, "The entry \"second\" already exists.\r\nDo you want to overwrite it?");
    EXPECT_EQ(question.buttons, MessageButtons::kYesNo);
    EXPECT_EQ(question.icon, MessageIcon::kQuestion);
    EXPECT_EQ(question.title, kProgramTitle);
    EXPECT_EQ(FileBytes(path), before);

    log.AnswerQuestionsWith(MessageAnswer::kYes);
    EXPECT_TRUE(Save(Typed("second"), 222));
    EXPECT_EQ(Names(*ListEntriesForLoad(path)), QStringList({"first", "second", "third"}));
    EXPECT_EQ(LoadAt(1)->params.MaxIters, 222);
    EXPECT_EQ(LoadAt(2)->params.MaxIters, 300);
}

TEST_F(ParamDialogRulesTest, AnEntryAddedToTheFileMeanwhileIsOverwrittenNotDuplicated) {
    const std::optional<SaveParamsModel> model = SaveParamsModel::Open(path);
    ASSERT_TRUE(Save(Typed("first"), 100));  // written while the first dialog was open
    log.AnswerQuestionsWith(MessageAnswer::kYes);
    ASSERT_TRUE(model->Save(Typed("first"), WithIters(111), palette));
    EXPECT_EQ(Names(*ListEntriesForLoad(path)), QStringList{"first"});
    EXPECT_EQ(LoadAt(0)->params.MaxIters, 111);
}

TEST_F(ParamDialogRulesTest, AFileThatCannotBeWrittenOrReadIsSaidSoAndKept) {
    ASSERT_TRUE(Save(Typed("first"), 100));
    const QByteArray before = FileBytes(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    log.AnswerQuestionsWith(MessageAnswer::kYes);
    EXPECT_FALSE(Save(Typed("first"), 111));
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_EQ(log.lastText(), "Error writing \"" + path + "\"");

    EXPECT_FALSE(SaveParamsModel::Open(folder.path()));
    EXPECT_EQ(log.lastText(), "Error saving \"" + folder.path() + "\"");
}

TEST_F(ParamDialogRulesTest, AnEntryThatCannotBeUsedSaysWhyAndChangesNothing) {
    FractalParams julia102;
    julia102.EqnType = 102;
    FractalParams rendering2;
    rendering2.Rendering = 2;
    const EntryText name = Typed("x");
    const QByteArray good = JoinLinesCrLf(EntryLines(name, WithIters(100), palette));
    WriteBytes(path, JoinLinesCrLf(EntryLines(name, julia102, palette)) +
                         JoinLinesCrLf(EntryLines(name, rendering2, palette)) +
                         QByteArray(good).replace("Max Iters =100", "Max Iters 100"));

    // The entry loaded last in a longer file lies beyond this one's end: the first is selected.
    EXPECT_EQ(LoadParamsModel::Open(path)->FirstSelection(3), 0);
    for (int position = 0; position < 3; ++position) EXPECT_FALSE(LoadAt(position));
    ASSERT_EQ(log.messages().size(), 3);
    EXPECT_EQ(
        log.messages()[0].text,
        "The equation used in this parameter entry is not\r\nsupported by Quorvex-Talmy Fractals Lite.");
    EXPECT_EQ(log.messages()[0].title, "Equation Not Supported");
    EXPECT_EQ(
        log.messages()[1].text,
        "The rendering used in this parameter entry is not\r\nsupported by Quorvex-Talmy Fractals Lite.");
    EXPECT_EQ(log.messages()[1].title, "Rendering Not Supported");
    EXPECT_EQ(log.messages()[2].text, "Error loading \"" + path + "\"");
    EXPECT_EQ(log.messages()[2].title, kProgramTitle);
}

}  // namespace
}  // namespace zenphra::app
