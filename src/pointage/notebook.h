#pragma once

#include "pointage/measurement.h"
#include "pointage/scheme.h"

#include <QByteArray>
#include <QString>
#include <vector>

// "Notebook…": the measurement as a Jupyter notebook for the class, in French, that computes the
// velocities, their variations, the second law and the energies, and draws them. Headless.
namespace orbane::pointage {

enum class NotebookVersion {
    Pupil,   // "élève": the computing lines left to complete, the notebook still runs
    Teacher, // "professeur": complete
};

struct NotebookData
{
    std::vector<double> t, x, y; // s, m (y upward), as the program's table has them
    double masse = 0.0;          // kg
    double g = 0.0;              // N/kg
    Scheme scheme = Scheme::Centred;
    VectorColours colours;
    QString title; // the video's or the photograph's name
    NotebookVersion version = NotebookVersion::Teacher;
};

// The points of a measurement, its mass, its g and its scheme; the rest as given.
NotebookData notebookData(const Measurement &m, const VectorColours &colours, const QString &title,
                          NotebookVersion version);

// The notebook (nbformat 4, UTF-8 JSON) to save as ".ipynb". Its last cell prints, for each
// point, "point i t x y vx vy v dvx dvy mdvdt Ec Epp Em" with Python's repr() of each value.
QByteArray notebook(const NotebookData &data);

} // namespace orbane::pointage
