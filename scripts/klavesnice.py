# SPDX-License-Identifier: GPL-3.0-or-later
"""Key presses sent to the X server ($DISPLAY) through XTest, each timed the
moment the server has taken it: a started xdotool returns only milliseconds
after its key went out, which a latency measured from its return would hide."""
import ctypes
import time

_x11 = ctypes.CDLL('libX11.so.6')
_xtst = ctypes.CDLL('libXtst.so.6')
_x11.XOpenDisplay.restype = ctypes.c_void_p
_x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x11.XStringToKeysym.restype = ctypes.c_ulong
_x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
_x11.XKeysymToKeycode.restype = ctypes.c_ubyte
_x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
_x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]


class Klavesnice:
    def __init__(self):
        self.d = _x11.XOpenDisplay(None)
        if not self.d:
            raise SystemExit('no X display')

    def _klavesa(self, jmeno, dolu):
        kod = _x11.XKeysymToKeycode(self.d, _x11.XStringToKeysym(jmeno.encode()))
        _xtst.XTestFakeKeyEvent(self.d, kod, 1 if dolu else 0, 0)
        _x11.XSync(self.d, 0)
        return time.monotonic()

    def dolu(self, jmeno):
        """Presses the key (an X keysym name); the moment the server has it."""
        return self._klavesa(jmeno, True)

    def nahoru(self, jmeno):
        return self._klavesa(jmeno, False)

    def zavri(self):
        _x11.XCloseDisplay(self.d)
