#include "pantallas/busqueda/ControlesTactiles.h"

#include <QFocusEvent>
#include <QListWidget>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

class FilaAlta : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(opcion, indice);
        s.setHeight(s.height() * 3 / 2);
        return s;
    }
};

class BarraAncha : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metrica, const QStyleOption* opcion, const QWidget* w) const override
    {
        if (metrica == PM_ScrollBarExtent && w)
            return w->fontMetrics().height() * 3 / 2;
        return QProxyStyle::pixelMetric(metrica, opcion, w);
    }
};

}  // namespace

void CampoTexto::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    m_enfocadoConToque = e->reason() == Qt::MouseFocusReason;
    if (alEnfocar)
        alEnfocar();
}

void CampoTexto::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    if (alDesenfocar)
        alDesenfocar();
}

void CampoTexto::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    if (m_enfocadoConToque && alEnfocar)
        alEnfocar();
    m_enfocadoConToque = false;
}

void hacerListaTactil(QListWidget* lista)
{
    lista->setItemDelegate(new FilaAlta(lista));
    auto* barra = new BarraAncha;
    barra->setParent(lista);
    lista->verticalScrollBar()->setStyle(barra);
}
