#include "uniformsource.h"

#include <QRandomGenerator>

RandomUniformSource::RandomUniformSource()
    : m_engine(QRandomGenerator::system()->generate())
{
}

float RandomUniformSource::next()
{
    // The top 24 bits fill a float's mantissa exactly, so the value stays below 1.
    return float(m_engine() >> 8) * (1.0f / 16777216.0f);
}
