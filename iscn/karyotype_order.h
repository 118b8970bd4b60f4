#pragma once
// Where chromosomes and abnormalities stand in a written karyotype.
#include "iscn/karyotype.h"

#include <utility>

namespace korven::iscn {

// X 0, Y 1, then 1..22 as 2..23: sex chromosomes first, autosomes by number.
int chromosomeRank(const QString &name);

// An abnormality's place: the rank of its first chromosome (markers after every chromosome), then
// whole-chromosome changes before structural ones.
std::pair<int, int> orderKey(const Abnormality &abnormality);

// The rearrangement with its two chromosomes, and their breakpoints with them, in written order
// (sex chromosome or lower number first). One chromosome: unchanged.
Rearrangement inChromosomeOrder(const Rearrangement &rearrangement);

// The chromosome each breakpoint lies on: the only one, or one each in order.
QString breakpointChromosome(const Rearrangement &rearrangement, int breakpoint);

// How many chromosomes an abnormality adds to (or takes from) the 44 autosomes and the complement.
int countChange(const Abnormality &abnormality);

} // namespace korven::iscn
