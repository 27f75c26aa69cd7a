#include "platform/ui/promptservice.h"

#include <gtest/gtest.h>

using namespace quorvant::ui;

TEST(PromptService, ScriptedAnswersAreGivenInOrderAndTextsRecorded) {
    ScriptedPrompts prompts;
    prompts.answers = {PromptAnswer::No, PromptAnswer::Cancel};
    EXPECT_EQ(Prompt(PromptKind::YesNo, "Delete x Y/N"), PromptAnswer::No);
    EXPECT_EQ(Prompt(PromptKind::YesNoCancel, "Save?"), PromptAnswer::Cancel);
    EXPECT_EQ(Prompt(PromptKind::YesNo, "Again?"), PromptAnswer::Yes);
    ASSERT_EQ(prompts.asked.size(), 3u);
    EXPECT_EQ(prompts.asked[0].text, "Delete x Y/N");
    EXPECT_EQ(prompts.asked[0].title, "Quorvant");
}
