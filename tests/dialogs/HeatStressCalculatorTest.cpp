// Tools > Heat Stress Calculator: the answer follows the fields as they are
// typed, and a reading that cannot be rated says why.
#include "DialogTest.h"
#include "HeatStressCalcDlg.h"

#include <QLineEdit>

namespace {

class HeatStressCalculator : public DialogTest {};

enum Field { DryBulb, WetBulb, Pressure, Wind, Radiant, Clothing, Permeability, ViewFactor, MetabolicRate };

}  // namespace

TEST_F(HeatStressCalculator, AnswerFollowsTheFields)
{
    CHeatStressCalcDlg dialog;
    Show(dialog);
    EXPECT_FALSE(dialog.isModal());
    EXPECT_TRUE(dialog.AnswerText().startsWith(QStringLiteral("Thermal work limit: "))) << dialog.AnswerText().toStdString();

    // The published example: 40 / 30 °C, 0.35 clo, still air.
    Type(dialog.Field(DryBulb), QStringLiteral("40"));
    Type(dialog.Field(WetBulb), QStringLiteral("30"));
    Type(dialog.Field(Clothing), QStringLiteral("0.35"));
    const QString still = dialog.AnswerText();
    EXPECT_TRUE(still.contains(QStringLiteral("(Withdrawal)"))) << still.toStdString();
    EXPECT_TRUE(still.contains(QStringLiteral("WBGT: 33.00 \u00B0C"))) << still.toStdString();
    const int stillLimit = still.section(QLatin1Char(' '), 3, 3).toInt();
    EXPECT_NEAR(stillLimit, 110, 3);

    Type(dialog.Field(Wind), QStringLiteral("0.7"));
    EXPECT_TRUE(dialog.AnswerText().contains(QStringLiteral("(Acclimatization)"))) << dialog.AnswerText().toStdString();
    // An empty radiant temperature is the dry bulb's; hotter walls lower the limit.
    Type(dialog.Field(Radiant), QStringLiteral("40"));
    const QString equal = dialog.AnswerText();
    Type(dialog.Field(Radiant), QString());
    EXPECT_EQ(dialog.AnswerText(), equal);
    Type(dialog.Field(Radiant), QStringLiteral("55"));
    EXPECT_LT(dialog.AnswerText().section(QLatin1Char(' '), 3, 3).toInt(), equal.section(QLatin1Char(' '), 3, 3).toInt());
    EXPECT_EQ(unexpected, 0);
}

TEST_F(HeatStressCalculator, ReadingsThatCannotBeRatedSayWhy)
{
    CHeatStressCalcDlg dialog;
    Show(dialog);
    Type(dialog.Field(WetBulb), QStringLiteral("35"));
    EXPECT_EQ(dialog.AnswerText(), QStringLiteral("The wet bulb is above the dry bulb."));
    Type(dialog.Field(WetBulb), QStringLiteral("abc"));
    EXPECT_EQ(dialog.AnswerText(), QStringLiteral("Enter a number for the wet bulb."));
    Type(dialog.Field(WetBulb), QStringLiteral("20"));
    Type(dialog.Field(Wind), QStringLiteral("-1"));
    EXPECT_EQ(dialog.AnswerText(), QStringLiteral("The wind speed is negative."));
    Type(dialog.Field(Wind), QStringLiteral("1"));
    EXPECT_TRUE(dialog.AnswerText().startsWith(QStringLiteral("Thermal work limit: ")));
    EXPECT_TRUE(messages.isEmpty());  // no message boxes: the answer line says it
}
