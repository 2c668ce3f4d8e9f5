' *
' * Project name:
'     TMR0 (Simple demonstration of interrupt handling)
' * Copyright:
'     (c) 2026 The Tickwell developers
' * Revision History:
'     20080225:
'       - initial release.
' * Description:
'     This code demonstrates using interrupts in mikroBasic. Program turns on/off
'     LEDs on PORTB approximately each second.
' * Test configuration:
'     MCU:             P18F4520
'     Dev.Board:       EasyPIC4
'     Oscillator:      HS, 08.0000 MHz
'     Ext. Modules:    -
'     SW:              mikroBasic v7.0
' * NOTES:
'     None.
' *

program TMR0

Dim cnt As word

sub procedure interrupt
  ADCON1 = 0x0F          ' set AN pins to Digital I/O
  Inc (cnt)              ' increment value of cnt on every interrupt
  TMR0L = 96
  INTCON = $20           ' set T0IE, clear T0IF
End Sub

main:
  ADCON1 = 0x0F          ' set AN pins to Digital I/O
  T0CON  = 0xC4          ' set TMR0 in 8bit mode, assign 
  TRISB = 0              ' PORTB is output
  PORTB = $FF            ' initialize PORTB
  TMR0L = 96             ' timer0 initial value
  INTCON = 0xA0          ' enable TMRO interrupt
  cnt = 0                ' initialize cnt

  While True
    If (cnt = 400) Then
      PORTB = Not PORTB  ' toggle PORTB LEDs
      cnt = 0            ' reset cnt
    End If
  Wend
end.
