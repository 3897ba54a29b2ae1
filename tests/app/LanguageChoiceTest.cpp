#include "app/LanguageChoice.h"

#include <gtest/gtest.h>

#include <QList>
#include <QSet>

namespace {

constexpr int kEnglish = 1033;
constexpr int kGerman = 0x407;
constexpr int kGermanAustria = 0xc07;
constexpr int kGermanPhoneBook = 0x10407; // German with another sort order
constexpr int kFrench = 0x40c;
constexpr int kFrenchCanada = 0xc0c;
constexpr int kJapanese = 0x411;

// Plays the module files and the user: which languages load, what the list
// holds, what the dialog returns; and records what the choice asked for.
class LanguageChoiceTest : public ::testing::Test
{
protected:
    std::optional<int> choose(int threadLcid, bool withChooser = true)
    {
        LanguageChooser chooser;
        if (withChooser) {
            chooser = [this](const QList<int>& list) {
                shownLists_.append(list);
                return chooserAnswer_;
            };
        }
        return chooseLanguage(
            threadLcid,
            [this] {
                ++listSearches_;
                return available_;
            },
            chooser,
            [this](int lcid) {
                loads_.append(lcid);
                return loadable_.contains(lcid);
            });
    }

    QList<int> available_{kEnglish};
    QSet<int> loadable_{kEnglish};
    int chooserAnswer_ = kEnglish;

    QList<int> loads_;
    int listSearches_ = 0;
    QList<QList<int>> shownLists_;
};

} // namespace

TEST_F(LanguageChoiceTest, EnglishThreadLocaleStartsInEnglishWithoutSearching)
{
    available_ = {kGerman, kEnglish};
    loadable_ = {kGerman, kEnglish};
    EXPECT_EQ(choose(kEnglish), kEnglish);
    EXPECT_EQ(loads_, QList<int>{kEnglish});
    EXPECT_EQ(listSearches_, 0);
    EXPECT_TRUE(shownLists_.isEmpty());
}

TEST_F(LanguageChoiceTest, ThreadLocaleWithItsOwnModuleLoadsIt)
{
    available_ = {kGerman, kEnglish};
    loadable_ = {kGerman, kEnglish};
    EXPECT_EQ(choose(kGerman), kGerman);
    EXPECT_EQ(loads_, QList<int>{kGerman});
    EXPECT_EQ(listSearches_, 0);
}

TEST_F(LanguageChoiceTest, FrenchCanadaTakesFrenchFranceByPrimaryLanguage)
{
    available_ = {kFrench, kEnglish};
    loadable_ = {kFrench, kEnglish};
    EXPECT_EQ(choose(kFrenchCanada), kFrench);
    EXPECT_EQ(loads_, (QList<int>{kFrenchCanada, kFrench}));
    EXPECT_EQ(listSearches_, 1);
    EXPECT_TRUE(shownLists_.isEmpty());
}

TEST_F(LanguageChoiceTest, SameLanguageIdentifierComesBeforeSamePrimaryLanguage)
{
    available_ = {kGermanAustria, kGerman, kEnglish};
    loadable_ = {kGermanAustria, kGerman, kEnglish};
    EXPECT_EQ(choose(kGermanPhoneBook), kGerman);
    EXPECT_EQ(loads_, (QList<int>{kGermanPhoneBook, kGerman}));
}

TEST_F(LanguageChoiceTest, CloseMatchTakesTheFirstEntryOfThePrimaryLanguage)
{
    EXPECT_EQ(closeLanguageMatch(kFrenchCanada, {kEnglish, 0x80c, kFrench}), 0x80c);
    EXPECT_EQ(closeLanguageMatch(kFrenchCanada, {kEnglish, kGerman}), std::nullopt);
    EXPECT_EQ(closeLanguageMatch(kGermanPhoneBook, {kGermanAustria, kGerman}), kGerman);
    EXPECT_EQ(closeLanguageMatch(kGerman, {}), std::nullopt);
}

TEST_F(LanguageChoiceTest, NoMatchAsksTheUserWithTheListAndLoadsTheFirstLineOnOk)
{
    available_ = {kGerman, kEnglish, kFrench};
    loadable_ = {kGerman, kEnglish, kFrench};
    chooserAnswer_ = kGerman; // OK pressed at once: the first line
    EXPECT_EQ(choose(kJapanese), kGerman);
    ASSERT_EQ(shownLists_.size(), 1);
    EXPECT_EQ(shownLists_.first(), available_);
    EXPECT_EQ(loads_, (QList<int>{kJapanese, kGerman}));
}

TEST_F(LanguageChoiceTest, CloseMatchThatFailsToLoadGoesOnToTheUser)
{
    available_ = {kFrench, kEnglish};
    loadable_ = {kEnglish};
    chooserAnswer_ = kEnglish;
    EXPECT_EQ(choose(kFrenchCanada), kEnglish);
    EXPECT_EQ(shownLists_.size(), 1);
    EXPECT_EQ(loads_, (QList<int>{kFrenchCanada, kFrench, kEnglish}));
}

TEST_F(LanguageChoiceTest, UsersChoiceThatFailsToLoadFallsBackToEnglish)
{
    available_ = {kGerman, kEnglish};
    loadable_ = {kEnglish};
    chooserAnswer_ = kGerman;
    EXPECT_EQ(choose(kJapanese), kEnglish);
    EXPECT_EQ(loads_, (QList<int>{kJapanese, kGerman, kEnglish}));
}

TEST_F(LanguageChoiceTest, NothingLoadsIsAFailure)
{
    available_ = {kFrench, kEnglish};
    loadable_ = {};
    chooserAnswer_ = kFrench;
    EXPECT_EQ(choose(kFrenchCanada), std::nullopt);
    EXPECT_EQ(loads_, (QList<int>{kFrenchCanada, kFrench, kFrench, kEnglish}));
}

TEST_F(LanguageChoiceTest, WithoutAChooserTheUserIsNotAskedAndEnglishFollows)
{
    available_ = {kGerman, kEnglish};
    loadable_ = {kGerman, kEnglish};
    EXPECT_EQ(choose(kJapanese, false), kEnglish);
    EXPECT_EQ(loads_, (QList<int>{kJapanese, kEnglish}));
    EXPECT_TRUE(shownLists_.isEmpty());
}
