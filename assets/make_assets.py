#!/usr/bin/python3
"""Draws the window icon, the application icon and the background picture.

Run from anywhere; writes next to this script. Needs Debian's python3-pil.
"""
from pathlib import Path

from PIL import Image, ImageDraw

HERE = Path(__file__).resolve().parent


def envelope_with_heart(size=32):
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    body = (2, 7, 29, 25)
    d.rectangle(body, fill=(170, 210, 250, 255), outline=(40, 90, 170, 255))
    d.line([(2, 7), (15, 17), (29, 7)], fill=(40, 90, 170, 255), width=1)
    d.line([(2, 25), (12, 15)], fill=(90, 140, 210, 255))
    d.line([(29, 25), (19, 15)], fill=(90, 140, 210, 255))
    pink = (245, 105, 160, 255)
    d.ellipse((16, 15, 22, 21), fill=pink)
    d.ellipse((21, 15, 27, 21), fill=pink)
    d.polygon([(16, 19), (27, 19), (21.5, 27)], fill=pink)
    return img


def palettised(img, colours):
    background = Image.new("RGBA", img.size, (255, 255, 255, 0))
    flat = Image.alpha_composite(background, img)
    pal = flat.convert("RGB").quantize(colors=colours - 1, dither=Image.Dither.NONE)
    # Keep the last palette slot for the transparent corners around the envelope.
    transparent = colours - 1
    out = pal.copy()
    alpha = img.getchannel("A")
    px, apx = out.load(), alpha.load()
    for y in range(img.height):
        for x in range(img.width):
            if apx[x, y] == 0:
                px[x, y] = transparent
    palette = out.getpalette()[: 3 * colours]
    palette += [0] * (3 * colours - len(palette))
    out.putpalette(palette)
    out.info["transparency"] = transparent
    return out


def background_bands(width=80, height=151):
    img = Image.new("RGB", (width, height))
    d = ImageDraw.Draw(img)
    light, dark = (214, 232, 252), (188, 214, 246)
    for y in range(height):
        d.line([(0, y), (width - 1, y)], fill=light if (y // 6) % 2 == 0 else dark)
    return img


def main():
    icon = envelope_with_heart()
    palettised(icon, 256).save(HERE / "window-icon.png", optimize=True)
    palettised(icon, 16).save(HERE / "mainicon.png", optimize=True)
    background_bands().save(HERE / "background.jpg", quality=92, progressive=True)


if __name__ == "__main__":
    main()
