#pragma once
// Every text the engine puts into a run's messages or shows to the user.
// Numbers are written with FormatFixed, so they never follow the locale.
#include <string>

std::string CondensationBeginsText(double x);
std::string CondensationEndsText(double x);
// The dry-bulb guard's message box; tooHot tells which limit was passed.
std::string DryBulbGuardText(double endDistance, bool tooHot);

void SpotSourceText(std::string& text, double location, double sensibleKw, double latentKw);
void ElectricSourceText(std::string& text, double location, double sensibleKw);
void DieselSourceText(std::string& text, double location, double sensibleKw, double latentKw);
void LinearSourceText(std::string& text, double location, double length, double sensibleKw,
                      double latentKw);
void FanRegText(std::string& text, double location, double pressureKpa, double sensibleKw);

std::string StrataTotalsText(double sensibleKw, double latentKw);
std::string OtherTotalsText(double sensibleKw, double latentKw);
std::string WorkerSummaryText(double metabolicRate, double skinTempLimit);

// A march that can no longer compute the air state stops here.
std::string MarchStoppedText(double x);
// A fed branch whose mixed intake air cannot be used is not run.
std::string UnusableMixtureText(bool sourcesNeverRun);
