// Further stand-in declarations (memory, windows and messages, text formatting).
#pragma once
