#!/usr/bin/env python3
"""A trade study from Python: sweep the chart's bells and the 15-degree cone
over area ratio and length, then plot efficiency against length (a curve per
area ratio, a line style per method) and the sea-level thrust coefficient,
with the designs whose flow separates at sea level marked (their thrust is
that of the separated flow, the wall beyond separation at about ambient
pressure, not the negative figure of a wall flowing full).

    python3 sweep_plot.py [PICTURE.png]

Writes the picture (default trade_study.png) and prints one line per design.
Needs python3-matplotlib; with MPLBACKEND=Agg it runs without a display.
"""
import sys

import matplotlib.pyplot as plt

import bellnozzle

SEA_LEVEL_BAR = 1.01325
STYLES = {"chart": "-", "cone": "none"}  # the cone has one length: a marker each
MARKERS = {"chart": "o", "cone": "s"}


def plot(rows, picture):
    figure, (efficiency, thrust) = plt.subplots(1, 2, figsize=(11, 4.5), constrained_layout=True)
    epsilons = sorted({row["epsilon"] for row in rows})
    colours = {epsilon: plt.cm.viridis(i / max(1, len(epsilons) - 1)) for i, epsilon in enumerate(epsilons)}
    for method in sorted({row["method"] for row in rows}):
        for epsilon in epsilons:
            done = [r for r in rows if r["method"] == method and r["epsilon"] == epsilon and r["error"] is None]
            if not done:
                continue
            lengths = [r["length_percent"] for r in done]
            style = dict(color=colours[epsilon], linestyle=STYLES.get(method, "--"), marker=MARKERS.get(method, "^"))
            efficiency.plot(lengths, [r["efficiency"] for r in done], label=f"{method}, ε = {epsilon:g}", **style)
            thrust.plot(lengths, [r["cf_ambient_separated"] for r in done], **style)
            separated = [r for r in done if r["separation_x_cm"] is not None]
            thrust.plot([r["length_percent"] for r in separated], [r["cf_ambient_separated"] for r in separated],
                        linestyle="none", marker="x", markersize=11, color="red")
    thrust.plot([], [], linestyle="none", marker="x", color="red", label="flow separates at sea level")
    efficiency.set(xlabel="length, % of the 15° cone", ylabel="efficiency (2-D, method of characteristics)",
                   title="Efficiency against length")
    thrust.set(xlabel="length, % of the 15° cone", ylabel=f"thrust coefficient at {SEA_LEVEL_BAR} bar",
               title="Sea-level thrust coefficient")
    for axes in (efficiency, thrust):
        axes.grid(True, alpha=0.3)
        if axes.get_legend_handles_labels()[0]:
            axes.legend(fontsize="small")
    figure.savefig(picture, dpi=100)
    plt.close(figure)


def main():
    picture = sys.argv[1] if len(sys.argv) > 1 else "trade_study.png"
    rows = bellnozzle.sweep(diameter=5.0, epsilon=[5, 10, 20, 40], length="60:100:10", method=["chart", "cone"],
                            gamma=1.4, p0_bar=20.0, pa_bar=SEA_LEVEL_BAR)
    for row in rows:
        if row["error"]:
            figures = row["error"]
        else:
            separation = row["separation_x_cm"]
            figures = (f"efficiency {row['efficiency']:.4f}  cf vacuum {row['cf_vacuum']:.4f}  "
                       f"sea level {row['cf_ambient_separated']:.4f}  "
                       + ("attached" if separation is None else f"separates at x = {separation:.2f} cm"))
        print(f"{row['method']:6} epsilon {row['epsilon']:5g}  length {row['length_percent']:5.1f} %  {figures}")
    plot(rows, picture)
    print(f"picture: {picture}")


if __name__ == "__main__":
    main()
