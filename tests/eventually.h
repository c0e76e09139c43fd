// How long a test waits for what must happen sooner or later (real-time audio, an analysis,
// a local server): a wait fails only when it never comes; how fast is measured in bench/.
#pragma once

constexpr int eventuallyMs = 60000;
