#pragma once

// Registers the compiled-in pictures, style sheet and manual pages; the
// resources live in a static library, so every program calls this once.
void initGuiResources();
