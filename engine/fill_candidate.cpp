#include "engine/fill_candidate.h"

#include "engine/place_cut_block.h"

namespace trimora {

namespace {

// From the 17th trial on, cut-pieces are drawn at random after a layout's first block.
constexpr int32_t kFirstRandomCutTrial = 17;

int16_t CutCount(const LayoutContext& ctx) { return int16_t(ctx.cuts.size() - 1); }

// One attempt of cut c in free area k.
bool TryCut(LayoutContext& ctx, FreeAreaAttempts& attempts, int16_t k, int16_t c,
            bool firstPlacement) {
  if (!(ctx.cuts[size_t(c)].QTY > 0)) return false;
  if (!PlaceCutBlock(ctx, attempts, k, c, firstPlacement)) return false;
  attempts.CutPlaced(ctx, c);
  return true;
}

// C random draws of a cut for free area k; the first that places a block ends them. Attempts
// bound to fail only make their draws.
bool TryRandomCuts(LayoutContext& ctx, FreeAreaAttempts& attempts, int16_t k) {
  int16_t left = CutCount(ctx);
  while (const std::optional<OpenAttempt> open = attempts.NextRandomOpen(ctx, left)) {
    if (PlaceBlock(ctx, attempts, k, open->cut, open->orientation, false)) {
      attempts.CutPlaced(ctx, open->cut);
      return true;
    }
  }
  return false;
}

bool TryCutsInOrder(LayoutContext& ctx, FreeAreaAttempts& attempts, int16_t k,
                    bool firstPlacement) {
  const int16_t C = CutCount(ctx);
  for (int16_t c = 1; c <= C; ++c) {
    if (TryCut(ctx, attempts, k, c, firstPlacement)) return true;
  }
  return false;
}

}  // namespace

void FillCandidate(LayoutContext& ctx, FreeAreaAttempts& attempts) {
  bool firstPlacement = true;
  attempts.StartCandidate(ctx);
  for (;;) {
    const int16_t k = ctx.layout.PickFreeArea(ctx.variant.growth);
    if (k == 0) return;
    attempts.Prepare(ctx, k);
    const bool randomCuts = ctx.trial >= kFirstRandomCutTrial && !firstPlacement;
    if (!attempts.AnyOpen(firstPlacement)) {
      attempts.MakeDrawsOfFailingAttempts(ctx, randomCuts);
    } else {
      if (randomCuts && TryRandomCuts(ctx, attempts, k)) continue;
      if (TryCutsInOrder(ctx, attempts, k, firstPlacement)) {
        firstPlacement = false;
        continue;
      }
    }
    ctx.layout.MarkDead(k);
  }
}

}  // namespace trimora
