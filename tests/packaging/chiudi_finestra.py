#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Asks an X window to close, as its close box would: sends WM_DELETE_WINDOW.

Without a window manager nobody turns a click on the title bar into that request, and
`xdotool windowclose` destroys the window behind the program's back instead of asking it.
Usage: chiudi_finestra.py WINDOW-ID (DISPLAY from the environment). Only libX11 is needed.
"""

import ctypes
import ctypes.util
import sys

ClientMessage = 33
NoEventMask = 0
CurrentTime = 0


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    # Xlib's XEvent is padded to 24 longs; XSendEvent copies the whole of it.
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def main() -> int:
    if len(sys.argv) != 2:
        print("uso: chiudi_finestra.py ID-FINESTRA", file=sys.stderr)
        return 2
    finestra = int(sys.argv[1], 0)
    nome = ctypes.util.find_library("X11") or "libX11.so.6"
    x11 = ctypes.CDLL(nome)
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    schermo = x11.XOpenDisplay(None)
    if not schermo:
        print("ERRORE: impossibile aprire il display X (DISPLAY?)", file=sys.stderr)
        return 1
    evento = XEvent()
    evento.xclient.type = ClientMessage
    evento.xclient.window = finestra
    evento.xclient.message_type = x11.XInternAtom(schermo, b"WM_PROTOCOLS", 0)
    evento.xclient.format = 32
    evento.xclient.data[0] = x11.XInternAtom(schermo, b"WM_DELETE_WINDOW", 0)
    evento.xclient.data[1] = CurrentTime
    inviato = x11.XSendEvent(schermo, finestra, 0, NoEventMask, ctypes.byref(evento))
    x11.XFlush(schermo)
    x11.XCloseDisplay(schermo)
    if not inviato:
        print("ERRORE: richiesta di chiusura non inviata", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
