# SPDX-License-Identifier: GPL-3.0-or-later
"""Screenshots and pictures as the real-window tests read them."""
import subprocess


def rgb(soubor):
    """The picture's pixels as RGB bytes, row by row, with its width and height."""
    d = subprocess.run(['/usr/bin/convert', soubor, '-depth', '8', 'rgb:-'], capture_output=True,
                       check=True).stdout
    w = int(subprocess.run(['/usr/bin/identify', '-format', '%w', soubor], capture_output=True,
                           check=True).stdout)
    return d, w, len(d) // (3 * w)
