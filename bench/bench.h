#pragma once
// A small benchmark harness. Each named section runs once, in order, and prints lines of the form
// "name: median X ms". A section in another bench/*.cpp file joins by registering itself:
//
//   static const bool registered = korvenbench::registerSection("windows", 30, [] {
//       korvenbench::measure("open the analysis dialog", 20, [] { ... });
//   });
//
// main() prints "transform ratio: X" after all sections, as the very last line.
#include <QString>

#include <functional>
#include <vector>

namespace korvenbench {

// Milliseconds that one call of fn takes.
double timeMs(const std::function<void()> &fn);

double median(std::vector<double> values);

// Prints "name: median X ms".
void printMedian(const QString &name, double ms);

// Calls fn once to warm up, then `repeats` times; prints and returns the median. With --once on
// the command line, calls it once.
double measure(const QString &name, int repeats, const std::function<void()> &fn);

// `wanted`, or 1 with --once.
int repeats(int wanted);

// Sections run in ascending order; equal orders in the order they registered.
bool registerSection(const QString &name, int order, std::function<void()> run);

// The program folder the build assembles (the `korven` folder beside the bench's folder).
QString programFolder();

// The ratio printed last; a section sets it.
void setTransformRatio(double ratio);

} // namespace korvenbench
